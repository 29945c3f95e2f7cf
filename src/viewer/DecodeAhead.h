#pragma once
// Display copies made ahead on worker threads, so that showing the next picture only
// swaps it in. A copy made ahead is used only for the same file, box, fitting and pixel
// ratio (for clean copies, the same file), and only while the file is unchanged on disk
// (same size and modification time); otherwise it is made again. At most capacity
// copies, of at most budget bytes together, are held or under way, the oldest going
// first; a copy that alone would take more than budget (its size read from the file's
// header) is not made ahead but when it is taken.
//
// User-interface thread only; the workers get a copy of the request and nothing else.

#include "imaging/DisplayCopy.h"

#include <QFuture>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>

// Room for both neighbours of a camera's picture at full size (two 24-megapixel copies
// take 144 MB); a much larger picture is decoded when it is shown.
constexpr std::int64_t kDecodeAheadBytes = std::int64_t{256} << 20;

class TDecodeAhead {
public:
    TDecodeAhead(int capacity, std::int64_t budget);

    // Starts making request's copy on the global thread pool unless it is held or under way.
    void Ahead(const TDisplayRequest& request);
    // Whether request's copy is held or under way, so that Take will not decode it itself.
    bool Holds(const TDisplayRequest& request) const;
    // request's copy: the one made ahead if it may be used (waiting for it while it is
    // under way), else one made now on this thread. Either way it is no longer held.
    TDisplayCopy Take(const TDisplayRequest& request);
    // Forgets every copy held or under way; work that has not started yet is not done.
    void Drop();

private:
    struct TEntry {
        TDisplayRequest request;
        std::int64_t bytes;  // estimated from the header when the copy was started
        QFuture<TDisplayCopy> copy;
    };

    std::deque<TEntry>::const_iterator Find(const TDisplayRequest& request) const;
    std::int64_t HeldBytes() const;

    int capacity_;
    std::int64_t budget_;
    // Bumped by Drop: a job started for an older generation is not wanted any more.
    std::shared_ptr<std::atomic<std::uint64_t>> generation_;
    std::deque<TEntry> entries_;
};
