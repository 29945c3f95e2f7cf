#include "thumbs/ThumbDecoder.h"

#include "thumbs/SharedThumbnails.h"
#include "thumbs/ThumbGeometry.h"
#include "thumbs/ThumbPixels.h"
#include "toolkit/WorkerPool.h"

#include <QThreadPool>
#include <QtConcurrent>

#include <cstdlib>
#include <limits>

TThumbDecoder::TThumbDecoder(TDone done, QThreadPool* pool)
    : done_(std::move(done)), pool_(pool ? pool : &WorkerPool()), sharedRoot_(SharedThumbnailRoot())
{
}

void TThumbDecoder::Start(std::vector<TThumbJob> jobs, const std::vector<int>& wanted, const TJPEGSettings& jpeg)
{
    ++generation_;
    jobs_ = std::move(jobs);
    jpeg_ = jpeg;
    waiting_ = std::set<int>(wanted.begin(), wanted.end());
    Pump();
}

void TThumbDecoder::SetView(int first, int last)
{
    view_ = {first, last};
}

void TThumbDecoder::Want(int row)
{
    if (row >= 0 && row < static_cast<int>(jobs_.size()) && waiting_.insert(row).second)
        Pump();
}

void TThumbDecoder::ForgetFartherThan(int row)
{
    const int limit = RowsAway(row, view_);
    std::erase_if(waiting_, [&](int r) { return RowsAway(r, view_) > limit; });
}

int TThumbDecoder::Nearest() const
{
    const auto after = waiting_.lower_bound(view_.first);
    if (after != waiting_.end() && *after <= view_.second)
        return *after;
    int best = -1;
    int bestDistance = std::numeric_limits<int>::max();
    if (after != waiting_.end()) {
        best = *after;
        bestDistance = RowsAway(best, view_);
    }
    if (after != waiting_.begin() && RowsAway(*std::prev(after), view_) < bestDistance)
        best = *std::prev(after);
    return best;
}

void TThumbDecoder::Pump()
{
    while (!waiting_.empty() && running_ < pool_->maxThreadCount()) {
        const int row = Nearest();
        waiting_.erase(row);
        ++running_;
        const TThumbJob& job = jobs_[static_cast<std::size_t>(row)];
        TThumbRequest request{job.path, job.size, jpeg_, sharedRoot_, job.header};
        std::erase_if(workers_, [](const QFuture<void>& worker) { return worker.isFinished(); });
        workers_.push_back(QtConcurrent::run(pool_, [this, request, row, generation = generation_] {
            TDisplayCopy copy = MakeThumbCopy(request);
            {
                const std::lock_guard lock(finishedLock_);
                finished_.push_back({row, generation, std::move(copy)});
            }
            // One delivery for all the results that arrive until it runs: thousands of
            // posted events would make every later post and removal scan them all. The
            // decoder waits for its workers before it goes, so context_ is still here;
            // results come through the event loop, never inside Pump.
            if (!deliveryPosted_.exchange(true))
                QMetaObject::invokeMethod(&context_, [this] { Deliver(); }, Qt::QueuedConnection);
        }));
    }
}

void TThumbDecoder::Deliver()
{
    deliveryPosted_ = false;  // before taking them: a result after this posts anew
    std::vector<TFinished> finished;
    {
        const std::lock_guard lock(finishedLock_);
        finished.swap(finished_);
    }
    for (const TFinished& result : finished) {
        --running_;
        if (result.generation == generation_)
            done_(result.row, result.copy);
    }
    Pump();
}

void TThumbDecoder::Stop()
{
    waiting_.clear();
    ++generation_;
    for (QFuture<void>& worker : workers_)
        worker.waitForFinished();
}

TThumbDecoder::~TThumbDecoder()
{
    Stop();
}
