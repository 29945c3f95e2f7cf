#pragma once
// Display copies made ahead on worker threads, so that showing the next picture only
// swaps it in. A copy made ahead is used only for the same file, box and fitting (for
// clean copies, the same file), and only while the file is unchanged on disk (same size
// and modification time); otherwise it is made again. At most capacity copies are held
// or under way, the oldest going first.
//
// User-interface thread only; the workers get a copy of the request and nothing else.

#include "imaging/DisplayCopy.h"

#include <QFuture>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>

class TDecodeAhead {
public:
    explicit TDecodeAhead(int capacity);

    // Starts making request's copy on the global thread pool unless it is held or under way.
    void Ahead(const TDisplayRequest& request);
    // request's copy: the one made ahead if it may be used (waiting for it while it is
    // under way), else one made now on this thread. Either way it is no longer held.
    TDisplayCopy Take(const TDisplayRequest& request);
    // Forgets every copy held or under way; work that has not started yet is not done.
    void Drop();

private:
    struct TEntry {
        TDisplayRequest request;
        QFuture<TDisplayCopy> copy;
    };

    std::deque<TEntry>::iterator Find(const TDisplayRequest& request);

    int capacity_;
    // Bumped by Drop: a job started for an older generation is not wanted any more.
    std::shared_ptr<std::atomic<std::uint64_t>> generation_;
    std::deque<TEntry> entries_;
};
