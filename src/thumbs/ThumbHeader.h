#pragma once
// What a board build learns of a file without decoding it, from one look at the file and
// one read of its start: the picture's size, and for a JPEG what its decode then needs
// without reading the start again (orientation, where a camera's preview lies, the colour
// profile the preview is drawn in). Plain data, so any thread may read it.

#include "imaging/CameraPreview.h"
#include "toolkit/FileStamp.h"

#include <QByteArray>
#include <QSet>
#include <QSize>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct TThumbHeader {
    QSize size;                       // the picture's own width and height, as shown upright
    std::optional<TFileStamp> stamp;  // the file as it was looked at
    int orientation = 1;              // a JPEG's EXIF orientation
    TPreviewPlace preview;            // a JPEG's camera preview, in the file
    QByteArray profile;               // a JPEG's colour profile, kept only with a preview
    std::string error;                // why the header could not be read; empty when it was
};

// The colour profiles of a build's files, each held once however many files carry it: a
// camera's pictures all embed the same few kilobytes. Any thread.
class TProfileShelf {
public:
    // The kept copy of profile's bytes, kept now when they are new.
    QByteArray Shared(const QByteArray& profile);

private:
    std::mutex lock_;
    QSet<QByteArray> kept_;  // guarded by lock_
};

// A JPEG's frame header and the segments before it, or a BMP's file header. What cannot be
// read gives the error loading the whole picture would have given, and no size.
TThumbHeader ReadThumbHeader(const std::string& path, TProfileShelf& profiles);

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
