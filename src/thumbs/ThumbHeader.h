#pragma once
// What a board build learns of a file without decoding it: the picture's size from the
// start of the file, and the file's state on disk. Plain data, so any thread may read it.

#include "toolkit/FileStamp.h"

#include <QSize>

#include <optional>
#include <string>
#include <vector>

struct TThumbHeader {
    QSize size;                       // the picture's own width and height, as shown upright
    std::optional<TFileStamp> stamp;  // the file as it was looked at
    std::string error;                // why the header could not be read; empty when it was
};

// A JPEG's frame header or a BMP's file header. What cannot be read gives the error
// loading the whole picture would have given, and no size.
TThumbHeader ReadThumbHeader(const std::string& path);

// The thumbnail's hint: name, "W:" w "xH:" h, "Size:" byte, one a line; for a header that
// could not be read, its error in place of the size.
std::string ThumbHint(const std::string& name, const TThumbHeader& header, const std::string& byte);

// A file the board could not read: its full path and why.
struct TUnreadable {
    std::string path;
    std::string error;
};

// The one error box at the end of a build: the first ten files that failed, one a line
// with their errors, then how many more there were.
std::string UnreadableFilesText(const std::vector<TUnreadable>& files);
