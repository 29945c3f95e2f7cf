#pragma once
// The desktop's shared thumbnail cache, as the freedesktop.org thumbnail standard lays it
// out: $XDG_CACHE_HOME/thumbnails/normal (128 pixels) and large (256), a PNG named by the
// MD5 of the file's URI whose keys say which file and which state of it it shows. File
// managers fill it too, so a folder one of them has shown before paints at once. Failed
// files are noted under fail/lumora-VERSION, so they are not decoded on every visit.
//
// Plain files and images, so the board's workers read and write it; each file is written
// under another name first and renamed, so a reader never sees half of one.

#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>
#include <string>

// $XDG_CACHE_HOME/thumbnails, ~/.cache/thumbnails when it is not set.
std::string SharedThumbnailRoot();

// What the cache knows of one file at one size.
class TSharedThumbnail {
public:
    // A thumbnail drawn at shown device pixels, of the file at path whose modification
    // time is modified (seconds) and size bytes. Not usable when shown is larger than
    // the largest size the cache keeps, or when path lies inside root: thumbnails of the
    // cache's own files are never made.
    TSharedThumbnail(const std::string& root, const std::string& path, QSize shown, std::int64_t modified,
                     std::uintmax_t bytes);

    bool Usable() const { return !file_.empty(); }
    // The side the cache's thumbnail is made to fit: 128 or 256.
    int Side() const { return side_; }
    // The picture's size the cache's thumbnail of a picture of size picture has.
    QSize ThumbnailSize(QSize picture) const;

    // The cached thumbnail when it shows the file as it is now; null otherwise.
    QImage Read() const;
    // Why the file could not be read, when Lumora noted that for the file as it is now.
    std::optional<std::string> ReadFailure() const;

    // Keeps thumbnail (of a picture of size picture); false when it cannot be written.
    bool Write(const QImage& thumbnail, QSize picture) const;
    // Notes that the file as it is now cannot be read, and why.
    bool WriteFailure(const std::string& error) const;

    // The URI the cache names a file by: file:// and the path's bytes, escaped as the
    // desktop's file managers escape them.
    static std::string FileUri(const std::string& path);

private:
    bool Matches(const QImage& image) const;
    std::string SizeFolder() const;

    std::string root_;
    std::string uri_;
    std::string file_;     // the thumbnail's file; empty when not usable
    std::string failure_;  // the failure note's file
    int side_ = 0;
    std::int64_t modified_ = 0;
    std::uintmax_t bytes_ = 0;
};
