#pragma once
// A picture file made ready to show at the size it is shown at: read through the
// picture container's classes, decoded (a JPEG at the smallest DCT scale that still
// covers that size) and reduced with smooth filtering. A clean copy is the whole picture
// instead, decoded as JPEG at its own size and kept as decoded, for a window that zooms
// and draws on it; with all picture types on, a file of another type is decoded whole by
// its own reader. Plain data in and out, so any thread may make one; only the
// user-interface thread draws it.

#include "imaging/JPEGSettings.h"
#include "imaging/PictureCodec.h"
#include "toolkit/Bitmap.h"
#include "toolkit/FileStamp.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Where a picture of its own size picture goes in a box (a window's size): a plain
// function, so requests can be compared.
using TFitRule = QRect (*)(QSize box, QSize picture);

// Everything a display copy is made from, copied on the user-interface thread.
struct TDisplayRequest {
    std::string path;
    QSize box;
    TFitRule fit = nullptr;
    TJPEGSettings jpeg;  // JPEGDefaults() as they were when the request was made
    bool clean = false;  // the whole picture as decoded; box and fit are not used
    // Device pixels per logical pixel where the copy is shown: fit works in logical
    // pixels, the copy holds its bounds' size times this, so it is sharp on the screen.
    qreal pixelRatio = 1;
};

struct TDisplayCopy {
    std::optional<TFileStamp> stamp;  // the file as it was read
    QSize natural;                    // the picture's own size, as shown upright
    QRect bounds;                     // fit(box, natural); natural at (0, 0) when clean
    QImage image;                     // bounds' size times the pixel ratio, which it
                                      // carries; null when a side is 0 or less;
                                      // clean: the decoded bitmap's own pixels
    std::string error;                // why it could not be made; then only stamp is set
    std::vector<TPictureFrame> frames;  // a moving picture's, each like image; image is
                                        // the first; empty for a still picture
};

// The largest libjpeg scale denominator (8, 4, 2, 1) whose output of a picture of size
// natural still covers target on both sides.
int CoveringScaleDenominator(QSize natural, QSize target);

// The file decoded at the smallest scale whose output still covers cover(natural), where
// natural is the picture's own size as shown upright (a JPEG at its DCT scales, an added
// type as its reader allows; a bitmap whole). Throws what loading the picture throws.
QImage DecodeReduced(const std::string& path, const TJPEGSettings& jpeg, const TCoverRule& cover, QSize& natural);

// The device pixels a copy of logical size takes where ratio device pixels make one.
QSize DevicePixels(QSize logical, qreal ratio);

// A display copy's pixels from a decoded picture: in the screen's own pixel format, so
// that painting it is a plain copy, reduced to size with smooth filtering.
QImage ReducedImage(const QImage& picture, QSize size);

// Never throws: a file that cannot be loaded gives a copy with its error text.
TDisplayCopy MakeDisplayCopy(const TDisplayRequest& request);

// A picture's own size from the start of its file, as the picture container reads it: a
// JPEG's frame header or a bitmap file's header. What cannot be read throws the error
// loading the whole picture would throw.
QSize ReadPictureSize(const std::string& path);

// The bytes request's copy will hold, from the file's header alone; nothing when the
// header cannot be read.
std::optional<std::int64_t> DisplayCopyBytes(const TDisplayRequest& request);
