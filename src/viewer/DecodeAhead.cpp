#include "viewer/DecodeAhead.h"

#include "toolkit/WorkerPool.h"

#include <QThreadPool>
#include <QtConcurrentRun>

TDecodeAhead::TDecodeAhead(int capacity, std::int64_t budget)
    : capacity_(capacity), budget_(budget), generation_(std::make_shared<std::atomic<std::uint64_t>>(0))
{
}

std::deque<TDecodeAhead::TEntry>::const_iterator TDecodeAhead::Find(const TDisplayRequest& request) const
{
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->request.path == request.path && it->request.clean == request.clean &&
            (request.clean || (it->request.box == request.box && it->request.fit == request.fit &&
                               it->request.pixelRatio == request.pixelRatio)))
            return it;
    return entries_.end();
}

std::int64_t TDecodeAhead::HeldBytes() const
{
    std::int64_t held = 0;
    for (const TEntry& entry : entries_)
        held += entry.bytes;
    return held;
}

bool TDecodeAhead::Holds(const TDisplayRequest& request) const
{
    return Find(request) != entries_.end();
}

void TDecodeAhead::Ahead(const TDisplayRequest& request)
{
    if (capacity_ <= 0 || Find(request) != entries_.end())
        return;
    // A header that cannot be read gives no estimate: the error comes when the copy is taken.
    const std::optional<std::int64_t> bytes = DisplayCopyBytes(request);
    if (!bytes || *bytes > budget_)
        return;
    const std::uint64_t generation = generation_->load();
    entries_.push_back({request, *bytes, QtConcurrent::run(&WorkerPool(), [request, current = generation_, generation] {
                            return current->load() == generation ? MakeDisplayCopy(request) : TDisplayCopy{};
                        })});
    // A copy pushed out may still be under way; its result is simply never read.
    while (static_cast<int>(entries_.size()) > capacity_ || HeldBytes() > budget_)
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
