#pragma once
// The board's display copies, kept between builds so that a rebuild decodes only what
// it has not seen or what changed on disk. Keyed by path, file size, modification time
// and displayed size; bounded in bytes, the copies farthest from view going first.
//
// User-interface thread only.

#include "imaging/DisplayCopy.h"

#include <QSize>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The budget of the board's cache: 128 MB, some 3,800 thumbnails at their largest, more
// than a few screens of a board of any length.
constexpr qsizetype kThumbCacheBytes = qsizetype{128} << 20;

// How far a file's thumbnail is from the board's view, in rows; larger goes first.
using TViewDistance = std::function<int(const std::string& path)>;

class TThumbCache {
public:
    explicit TThumbCache(qsizetype budgetBytes);

    // The copy of path at size, made while the file was as stamp says; null when none.
    const TDisplayCopy* Find(const std::string& path, const std::optional<TFileStamp>& stamp, QSize size) const;
    // Keeps copy (made at size) in place of any older copy of path, then drops the
    // farthest copies until the cache is within its budget. Returns the paths dropped;
    // path itself among them when it was the farthest.
    std::vector<std::string> Put(const std::string& path, QSize size, TDisplayCopy copy,
                                 const TViewDistance& distance);
    qsizetype Bytes() const { return bytes_; }

private:
    struct TEntry {
        QSize size;
        TDisplayCopy copy;
    };

    qsizetype budget_;
    qsizetype bytes_ = 0;
    std::map<std::string, TEntry> entries_;
};
