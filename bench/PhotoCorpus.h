#pragma once
// Photo-like pictures for the benchmark: sky and hill gradients, fine texture and a few
// hard edges, so the compressed size per pixel is that of a real photograph.

#include "toolkit/Bitmap.h"

#include <QByteArray>

TBitmap PhotoLikeBitmap(int width, int height);

// jpeg's bytes with an APP1 segment holding body (an EXIF block) right after the start
// of image, where a camera writes it.
QByteArray WithApp1(const QByteArray& jpeg, const QByteArray& body);

#include <string>
#include <vector>

struct TCorpusFile {
    std::string name;  // "baseline" or "progressive"
    std::string path;
};

// A photo-like picture of the size written into folder as a baseline and a progressive JPEG.
std::vector<TCorpusFile> WritePhotoJpegs(const std::string& folder, int width, int height);

// One baseline JPEG of the photo-like picture written count times into folder
// ("copy1.jpg", ...): as many distinct files as a viewer steps through, made by one encode.
std::vector<std::string> WritePhotoJpegCopies(const std::string& folder, int width, int height, int count);
