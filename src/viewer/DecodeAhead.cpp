#include "viewer/DecodeAhead.h"

#include "toolkit/FileStamp.h"

#include <algorithm>

namespace {

// Whether a copy made for one request serves the other.
bool Serves(const TDisplayRequest& made, const TDisplayRequest& request)
{
    return made.path == request.path && made.clean == request.clean &&
           (request.clean ||
            (made.box == request.box && made.fit == request.fit && made.pixelRatio == request.pixelRatio));
}

}  // namespace

TDecodeAhead::TDecodeAhead(int capacity, std::int64_t budget) : capacity_(capacity), budget_(budget) {}

std::deque<TDecodeAhead::TEntry>::iterator TDecodeAhead::Find(const TDisplayRequest& request)
{
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const TEntry& entry) { return Serves(entry.request, request); });
}

std::int64_t TDecodeAhead::HeldBytes() const
{
    std::int64_t held = 0;
    for (const TEntry& entry : entries_)
        held += entry.bytes.value_or(0);
    return held;
}

bool TDecodeAhead::Holds(const TDisplayRequest& request) const
{
    // Until its header is read, a copy may still turn out too large to be made ahead.
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const TEntry& entry) { return entry.bytes && Serves(entry.request, request); });
}

void TDecodeAhead::Ahead(const TDisplayRequest& request)
{
    if (capacity_ <= 0 || Find(request) != entries_.end() || (asked_ && Serves(asked_->request, request)))
        return;
    const std::uint64_t id = ++lastId_;
    entries_.push_back({request, id, {}, {}});
    // A copy pushed out may still be under way; what it lands with is dropped.
    while (static_cast<int>(entries_.size()) > capacity_)
        entries_.pop_front();
    handOver_.Run([request] { return DisplayCopyBytes(request); },
                  [this, id](const std::optional<std::int64_t>& bytes) { Estimated(id, bytes); });
}

void TDecodeAhead::Estimated(std::uint64_t id, std::optional<std::int64_t> bytes)
{
    // Asked for meanwhile: made whatever it takes, as a copy not made ahead is.
    if (asked_ && asked_->id == id) {
        Decode(asked_->request, id);
        return;
    }
    const auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const TEntry& e) { return e.id == id; });
    if (entry == entries_.end())
        return;
    // A header that cannot be read gives no estimate: the error comes when the copy is asked for.
    if (!bytes || *bytes > budget_) {
        entries_.erase(entry);
        return;
    }
    entry->bytes = bytes;
    while (HeldBytes() > budget_)
        entries_.pop_front();
    for (const TEntry& kept : entries_)
        if (kept.id == id)
            Decode(kept.request, id);
}

void TDecodeAhead::Decode(const TDisplayRequest& request, std::uint64_t id)
{
    handOver_.Run([request] { return MakeDisplayCopy(request); }, [this, id](TDisplayCopy& copy) { Made(id, copy); });
}

void TDecodeAhead::Made(std::uint64_t id, TDisplayCopy& copy)
{
    if (asked_ && asked_->id == id) {
        const TAnswer answer = std::move(asked_->answer);
        asked_.reset();
        answer(copy);
        return;
    }
    for (TEntry& entry : entries_)
        if (entry.id == id)
            entry.copy = std::move(copy);
}

void TDecodeAhead::Ask(const TDisplayRequest& request, TAnswer answer)
{
    // Asked again while its copy is still being made (the viewer reloads when it is
    // activated, just after it was shown): the work under way answers, not a second decode.
    if (asked_ && !asked_->answered && Serves(asked_->request, request)) {
        asked_->answer = std::move(answer);
        return;
    }
    const auto entry = Find(request);
    if (entry == entries_.end()) {
        asked_ = TAsked{request, ++lastId_, std::move(answer)};
        Decode(request, asked_->id);
        return;
    }
    // Under way: its landing answers.
    asked_ = TAsked{request, entry->id, std::move(answer)};
    std::optional<TDisplayCopy> made = std::move(entry->copy);
    entries_.erase(entry);
    if (!made)
        return;
    // Made ahead: answered now, while a worker looks at the file again.
    const std::uint64_t check = asked_->id = ++lastId_;
    asked_->answered = true;
    handOver_.Run(
        [request, stamp = made->stamp]() -> std::optional<TDisplayCopy> {
            if (stamp && FileStamp(request.path) == stamp)
                return std::nullopt;
            return MakeDisplayCopy(request);
        },
        [this, check](std::optional<TDisplayCopy>& copy) {
            if (copy)
                Made(check, *copy);
            else if (asked_ && asked_->id == check)
                asked_.reset();
        });
    // A copy of the answer: it may ask anew.
    const TAnswer now = asked_->answer;
    now(*made);
}

void TDecodeAhead::Drop()
{
    handOver_.Drop();
    entries_.clear();
    asked_.reset();
}
