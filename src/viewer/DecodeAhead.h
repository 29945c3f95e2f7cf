#pragma once
// Display copies made ahead on worker threads, so that showing the next picture only
// swaps it in. A copy made ahead is used only for the same file, box, fitting and pixel
// ratio (for clean copies, the same file), and only while the file is unchanged on disk
// (same size and modification time); otherwise it is made again. At most capacity
// copies, of at most budget bytes together, are held or under way, the oldest going
// first; a copy that alone would take more than budget (its size read from the file's
// header) is not made ahead but when it is asked for.
//
// Nothing here waits for a worker or reads a file on the user-interface thread: header
// reads, file stamps and decodes run on the pool and come back through a THandOver.
// User-interface thread only; the workers get a copy of the request and nothing else.

#include "imaging/DisplayCopy.h"
#include "toolkit/HandOver.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

// Room for both neighbours of a camera's picture at full size (two 24-megapixel copies
// take 144 MB); a much larger picture is decoded when it is shown.
constexpr std::int64_t kDecodeAheadBytes = std::int64_t{256} << 20;

class TDecodeAhead {
public:
    using TAnswer = std::function<void(const TDisplayCopy& copy)>;

    TDecodeAhead(int capacity, std::int64_t budget);

    // Starts making request's copy unless it is held, under way or asked for.
    void Ahead(const TDisplayRequest& request);
    // Whether request's copy is being made ahead or done, so that asking for it will not
    // start a decode of its own.
    bool Holds(const TDisplayRequest& request) const;
    // Answers with request's copy, which is then no longer held: a copy made ahead and
    // done at once, inside Ask; one under way or not started yet when it lands. A copy
    // answered at once has its file looked at again on a worker: one changed on disk
    // since it was read is made again and answered a second time when that lands. A newer
    // Ask, or Drop, takes the place of this one: it is not answered any more.
    void Ask(const TDisplayRequest& request, TAnswer answer);
    // The last ask has not been answered yet.
    bool Asked() const { return asked_ && !asked_->answered; }
    // Nothing is under way: every copy asked for or made ahead has landed.
    bool Idle() const { return handOver_.Unfinished() == 0; }
    // Forgets every copy held, under way or asked for: nothing from before is answered.
    void Drop();

private:
    struct TEntry {
        TDisplayRequest request;
        std::uint64_t id;                  // tells the work that lands which entry it is for
        std::optional<std::int64_t> bytes;  // from the header, once it is read
        std::optional<TDisplayCopy> copy;   // once it is made
    };
    struct TAsked {
        TDisplayRequest request;
        std::uint64_t id;  // the work whose landing answers it
        TAnswer answer;
        bool answered = false;  // at once, while its file is looked at again
    };

    std::deque<TEntry>::iterator Find(const TDisplayRequest& request);
    std::int64_t HeldBytes() const;
    // Starts request's decode as work id.
    void Decode(const TDisplayRequest& request, std::uint64_t id);
    void Estimated(std::uint64_t id, std::optional<std::int64_t> bytes);
    // Copy made by work id: the answer when it was asked for, else held.
    void Made(std::uint64_t id, TDisplayCopy& copy);

    int capacity_;
    std::int64_t budget_;
    std::deque<TEntry> entries_;  // oldest first
    std::optional<TAsked> asked_;
    std::uint64_t lastId_ = 0;
    THandOver handOver_{THandOver::TOrder::Finished};
};
