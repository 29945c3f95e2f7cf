#include "thumbs/ThumbDecoder.h"

#include "thumbs/SharedThumbnails.h"
#include "thumbs/ThumbGeometry.h"
#include "thumbs/ThumbPixels.h"
#include "toolkit/WorkerPool.h"

#include <QThreadPool>

#include <cstdlib>
#include <limits>

TThumbDecoder::TThumbDecoder(TDone done, QThreadPool* pool)
    : done_(std::move(done)), pool_(pool ? pool : &WorkerPool()), sharedRoot_(SharedThumbnailRoot()),
      handOver_(THandOver::TOrder::Finished, pool_)
{
}

void TThumbDecoder::Start(int rows, TJobOf jobOf, const std::vector<int>& wanted, const TJPEGSettings& jpeg)
{
    handOver_.Drop();
    running_.clear();
    rows_ = rows;
    jobOf_ = std::move(jobOf);
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
    Want(std::vector<int>{row});
}

void TThumbDecoder::Want(const std::vector<int>& rows)
{
    for (const int row : rows)
        if (row >= 0 && row < rows_ && !running_.count(row))
            waiting_.insert(row);
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
    // Two jobs a worker: one waits in the pool, so a worker whose result waits for this
    // thread (busy painting) goes straight on to the next picture.
    while (!waiting_.empty() && handOver_.Unfinished() < 2 * pool_->maxThreadCount()) {
        const int row = Nearest();
        waiting_.erase(row);
        running_.insert(row);
        TThumbJob job = jobOf_(row);
        TThumbRequest request{std::move(job.path), job.size, jpeg_, sharedRoot_, std::move(job.header)};
        handOver_.Run([request] { return MakeThumbCopy(request); },
                      [this, row](const TDisplayCopy& copy) {
                          running_.erase(row);
                          done_(row, copy);
                          Pump();
                      });
    }
}

void TThumbDecoder::Stop()
{
    waiting_.clear();
    running_.clear();
    handOver_.Drop();
    handOver_.WaitForWorkers();
}

TThumbDecoder::~TThumbDecoder()
{
    Stop();
}
