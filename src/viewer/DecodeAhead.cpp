#include "viewer/DecodeAhead.h"

#include <QtConcurrentRun>

TDecodeAhead::TDecodeAhead(int capacity)
    : capacity_(capacity), generation_(std::make_shared<std::atomic<std::uint64_t>>(0))
{
}

std::deque<TDecodeAhead::TEntry>::iterator TDecodeAhead::Find(const TDisplayRequest& request)
{
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->request.path == request.path && it->request.clean == request.clean &&
            (request.clean || (it->request.box == request.box && it->request.fit == request.fit)))
            return it;
    return entries_.end();
}

void TDecodeAhead::Ahead(const TDisplayRequest& request)
{
    if (capacity_ <= 0 || Find(request) != entries_.end())
        return;
    const std::uint64_t generation = generation_->load();
    entries_.push_back({request, QtConcurrent::run([request, current = generation_, generation] {
                            return current->load() == generation ? MakeDisplayCopy(request) : TDisplayCopy{};
                        })});
    // A copy pushed out may still be under way; its result is simply never read.
    while (static_cast<int>(entries_.size()) > capacity_)
        entries_.pop_front();
}

TDisplayCopy TDecodeAhead::Take(const TDisplayRequest& request)
{
    const auto it = Find(request);
    if (it != entries_.end()) {
        const QFuture<TDisplayCopy> made = it->copy;
        entries_.erase(it);
        TDisplayCopy copy = made.result();
        if (copy.stamp && copy.stamp == FileStamp(request.path))
            return copy;
    }
    return MakeDisplayCopy(request);
}

void TDecodeAhead::Drop()
{
    ++*generation_;
    entries_.clear();
}
