#include "toolkit/OrderedJobs.h"

#include "toolkit/WorkerPool.h"

#include <QElapsedTimer>
#include <QThreadPool>
#include <QtConcurrentRun>

#include <algorithm>

namespace {
// Results are handed over for at most this long at a time, so the window keeps
// painting and taking Esc while thousands of them are ready at once.
constexpr qint64 kHandOverSliceMs = 20;
}  // namespace

// What the workers of one run share with the owner: they keep it alive by themselves, so
// a cancelled run's workers never touch anything freed.
struct TOrderedJobs::TRun {
    TRun(int count, std::function<void(int)> execute, std::function<bool(int)> deliver,
         std::function<void(int, int)> progress, std::function<void(const TJobEnd&)> end)
        : count(count), execute(std::move(execute)), deliver(std::move(deliver)), progress(std::move(progress)),
          end(std::move(end)), failures(static_cast<std::size_t>(count)),
          ready(std::make_unique<std::atomic<bool>[]>(static_cast<std::size_t>(count))), limit(count)
    {
    }

    // The next job for a worker, in job order; -1 once none is left to start.
    int Take()
    {
        const int i = taken.fetch_add(1);
        return i < limit.load() ? i : -1;
    }

    // Job i on a worker: its result or its failure, unless the run ended before it.
    void Execute(int i)
    {
        if (i < limit.load()) {
            try {
                execute(i);
            } catch (...) {
                failures[static_cast<std::size_t>(i)] = std::current_exception();
                // The run ends at this job at the latest, so the jobs after it are not needed.
                int cut = limit.load();
                while (i < cut && !limit.compare_exchange_weak(cut, i)) {
                }
            }
        }
        ready[static_cast<std::size_t>(i)].store(true, std::memory_order_release);
    }

    const int count;
    const std::function<void(int)> execute;
    const std::function<bool(int)> deliver;
    const std::function<void(int, int)> progress;
    std::function<void(const TJobEnd&)> end;
    std::vector<std::exception_ptr> failures;  // one a job, set by its worker only
    std::unique_ptr<std::atomic<bool>[]> ready;
    std::atomic<int> limit;  // jobs from this index on are not started
    std::atomic<int> taken{0};  // jobs handed to workers so far
    int next = 0;            // the next result to hand over; the owner's thread only
};

TOrderedJobs::TOrderedJobs(QThreadPool* pool, QObject* parent)
    : QObject(parent), pool_(pool ? pool : &WorkerPool())
{
}

TOrderedJobs::~TOrderedJobs()
{
    Cancel();
    WaitForWorkers();
}

void TOrderedJobs::Cancel()
{
    if (run_)
        run_->limit.store(0);
    run_.reset();
}

void TOrderedJobs::WaitForWorkers()
{
    for (QFuture<void>& worker : workers_)
        worker.waitForFinished();
    workers_.clear();
}

void TOrderedJobs::StartCore(int count, std::function<void(int)> execute, std::function<bool(int)> deliver,
                             std::function<void(int, int)> progress, std::function<void(const TJobEnd&)> end)
{
    Cancel();
    std::erase_if(workers_, [](const QFuture<void>& worker) { return worker.isFinished(); });
    const auto run = std::make_shared<TRun>(std::max(count, 0), std::move(execute), std::move(deliver),
                                            std::move(progress), std::move(end));
    run_ = run;
    // A worker a thread, each taking the next job until none is left: ten thousand jobs
    // cost the pool a few tasks, not ten thousand.
    const int workers = std::min(run->count, std::max(1, pool_->maxThreadCount()));
    for (int w = 0; w < workers; ++w)
        workers_.push_back(QtConcurrent::run(pool_, [this, run] {
            for (int i = run->Take(); i >= 0; i = run->Take()) {
                run->Execute(i);
                // The owner waits for its workers before it goes, so it is still here.
                PostPump();
            }
        }));
    // A run of no jobs ends from the event loop too.
    if (run->count == 0)
        PostPump();
}

void TOrderedJobs::PostPump()
{
    // One hand-over waits at a time, whichever run asked for it: a pass of the event loop
    // then hands over one slice, not one slice for every job that ended.
    if (!pumpPosted_.exchange(true))
        QMetaObject::invokeMethod(this, [this] { Pump(); }, Qt::QueuedConnection);
}

void TOrderedJobs::Pump()
{
    pumpPosted_.store(false);
    if (!run_)
        return;
    const std::shared_ptr<TRun> run = run_;
    QElapsedTimer slice;
    slice.start();
    while (run->next < run->count && run->ready[static_cast<std::size_t>(run->next)].load(std::memory_order_acquire)) {
        if (const std::exception_ptr failure = run->failures[static_cast<std::size_t>(run->next)]) {
            End(run->next, failure);
            return;
        }
        bool goOn = false;
        try {
            goOn = run->deliver(run->next);
        } catch (...) {
            End(run->next, std::current_exception());
            return;
        }
        // What was handed over may have cancelled this run or started another.
        if (run_ != run)
            return;
        if (!goOn) {
            End(run->next, nullptr);
            return;
        }
        ++run->next;
        if (run->progress)
            run->progress(run->next, run->count);
        if (run_ != run)
            return;
        if (slice.elapsed() >= kHandOverSliceMs) {
            PostPump();
            return;
        }
    }
    if (run->next == run->count)
        End(run->count, nullptr);
}

void TOrderedJobs::End(int applied, std::exception_ptr failure)
{
    const std::function<void(const TJobEnd&)> end = std::move(run_->end);
    Cancel();
    if (end)
        end({applied, std::move(failure)});
}
