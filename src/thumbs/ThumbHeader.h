#pragma once
// What a board build learns of a file without decoding it: the picture's size from the
// start of the file, and the file's state on disk. Plain data, so any thread may read it.

#include "imaging/DisplayCopy.h"

#include <QSize>

#include <optional>
#include <string>

struct TThumbHeader {
    QSize size;                       // the picture's own width and height
    std::optional<TFileStamp> stamp;  // the file as it was looked at
};

// A JPEG's frame header or a BMP's file header; what cannot be read throws the error
// loading the whole picture would have given.
TThumbHeader ReadThumbHeader(const std::string& path);

// The thumbnail's hint: name, "W:" w "xH:" h, "Size:" byte, one a line.
std::string ThumbHint(const std::string& name, QSize size, const std::string& byte);
