#include "toolkit/OrderedJobs.h"

#include <algorithm>
#include <atomic>

// What the jobs of one run share: their work keeps it alive by itself, so a cancelled
// run's jobs never touch anything freed.
struct TOrderedJobs::TRun {
    TRun(int count, std::function<void(int)> execute, std::function<bool(int)> deliver,
         std::function<void(int, int)> progress, std::function<void(const TJobEnd&)> end)
        : count(count), execute(std::move(execute)), deliver(std::move(deliver)), progress(std::move(progress)),
          end(std::move(end)), limit(count)
    {
    }

    // Job i on a worker: nothing when it ran, else its failure. A job past the first
    // failure is not needed: the run ends there.
    std::exception_ptr Execute(int i) const
    {
        if (i >= limit.load())
            return nullptr;
        try {
            execute(i);
            return nullptr;
        } catch (...) {
            int cut = limit.load();
            while (i < cut && !limit.compare_exchange_weak(cut, i)) {
            }
            return std::current_exception();
        }
    }

    const int count;
    const std::function<void(int)> execute;
    const std::function<bool(int)> deliver;
    const std::function<void(int, int)> progress;
    std::function<void(const TJobEnd&)> end;
    mutable std::atomic<int> limit;  // jobs from this index on are not run
};

TOrderedJobs::TOrderedJobs(QThreadPool* pool, QObject* parent)
    : QObject(parent), handOver_(THandOver::TOrder::Started, pool)
{
}

TOrderedJobs::~TOrderedJobs() = default;

void TOrderedJobs::Cancel()
{
    handOver_.Drop();
    run_.reset();
}

void TOrderedJobs::WaitForWorkers()
{
    handOver_.WaitForWorkers();
}

void TOrderedJobs::StartCore(int count, std::function<void(int)> execute, std::function<bool(int)> deliver,
                             std::function<void(int, int)> progress, std::function<void(const TJobEnd&)> end)
{
    Cancel();
    const auto run = std::make_shared<TRun>(std::max(count, 0), std::move(execute), std::move(deliver),
                                            std::move(progress), std::move(end));
    run_ = run;
    handOver_.RunEach(
        run->count, [run](int i) { return run->Execute(i); },
        [this, run](int i, const std::exception_ptr& failure) { Apply(run, i, failure); });
    // A run of no jobs ends from the event loop too.
    if (run->count == 0)
        handOver_.Run([] { return 0; }, [this](int) { End(0, nullptr); });
}

void TOrderedJobs::Apply(const std::shared_ptr<TRun>& run, int i, const std::exception_ptr& failure)
{
    if (failure) {
        End(i, failure);
        return;
    }
    bool goOn = false;
    try {
        goOn = run->deliver(i);
    } catch (...) {
        End(i, std::current_exception());
        return;
    }
    // What was handed over may have cancelled this run or started another.
    if (run_ != run)
        return;
    if (!goOn) {
        End(i, nullptr);
        return;
    }
    if (run->progress)
        run->progress(i + 1, run->count);
    if (run_ == run && i + 1 == run->count)
        End(run->count, nullptr);
}

void TOrderedJobs::End(int applied, std::exception_ptr failure)
{
    const std::function<void(const TJobEnd&)> end = std::move(run_->end);
    Cancel();
    if (end)
        end({applied, std::move(failure)});
}
