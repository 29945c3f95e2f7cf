#pragma once
// TJPEGImage's work with libjpeg: reading a header from bytes or from the start of a
// file (with its EXIF block and colour profile when asked), decoding into a TBitmap and encoding a TBitmap. Every libjpeg error becomes
// EJPEG after the codec object is destroyed, so nothing leaks on any error path.

#include "imaging/JPEGLimits.h"
#include "toolkit/Bitmap.h"

#include <QByteArray>

#include <cstdint>
#include <string>

// Sizes are those of the picture as shown: a picture whose EXIF orientation turns it a
// quarter has its sides swapped.
struct TJPEGHeader {
    int width = 0;
    int height = 0;
    int orientation = 1;       // EXIF orientation; 1 when there is none or it is unreadable
    bool grayscale = false;    // the file's colour space is greyscale
    bool progressive = false;  // the file has more than one scan
    int scaledWidth = 0;       // the decoded size at the scale asked for
    int scaledHeight = 0;
    std::int64_t bytesRead = 0;  // ReadJPEGFileHeader only: how much of the file it read
};

struct TJPEGDecodeParams {
    int scaleDenominator = 1;  // 1, 2, 4 or 8
    bool blockSmoothing = true;
    bool grayMode = false;     // greyscale output
    bool eightBit = false;     // 8 bits per pixel with at most kPaletteColors colours
    bool bestSpeed = false;    // fast integer DCT, one-pass ordered dithering
    bool showProgressively = false;
};

struct TJPEGEncodeParams {
    int quality = 90;
    bool grayMode = false;
    bool progressive = false;
};

// Throws EJPEG for anything but a readable JPEG header of an acceptable size.
TJPEGHeader ReadJPEGHeader(const QByteArray& bytes, int scaleDenominator = 1);

// The same from a file, reading only as far as the frame header (a few kilobytes of a
// camera's file). A file that cannot be opened throws EFOpenError. Any thread may call it.
TJPEGHeader ReadJPEGFileHeader(const std::string& fileName);

// The header of a file with its whole EXIF block (the camera's preview included) and its
// ICC profile, each empty when the file has none. Reads the segments before the frame
// header: up to some 64 KB more than ReadJPEGFileHeader.
struct TJPEGMetadata {
    TJPEGHeader header;
    QByteArray exif;              // the first APP1 body that starts "Exif\0\0"
    std::int64_t exifOffset = -1;  // where that body starts in the file (or the bytes); -1: none
    QByteArray iccProfile;        // the profile assembled from its APP2 segments
};
TJPEGMetadata ReadJPEGFileMetadata(const std::string& fileName);
TJPEGMetadata ReadJPEGMetadata(const QByteArray& bytes);

// 24 bits per pixel, or 8 with a palette for 8-bit or greyscale output, turned upright
// by the EXIF orientation and, in colour, converted to sRGB from an embedded ICC
// profile. Everything it uses comes in by value, so any thread may call it; the copy of
// bytes keeps them alive even when the picture they came from loads another file meanwhile.
TBitmap DecodeJPEG(QByteArray bytes, TJPEGDecodeParams params);

// A bitmap with a side of 0 encodes to no bytes.
QByteArray EncodeJPEG(const TBitmap& bitmap, const TJPEGEncodeParams& params);
