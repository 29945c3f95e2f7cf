#include "toolkit/LongJobs.h"

#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrentRun>

#include <atomic>
#include <exception>

namespace {

// Waits for a job in a nested event loop: paints, timers and posted events go on while
// user input is held back until the loop that runs without the flag takes it.
void WaitOnThisThread(const QFuture<void>& job)
{
    if (job.isFinished())
        return;
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    // A job that ends before the watcher is set still reports its end to the watcher.
    watcher.setFuture(job);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// The jobs of one run, all queued at once so that the pool keeps busy. However the run
// ends, jobs that have not started yet are dropped and the others are waited for.
class TJobRun {
public:
    TJobRun(int count, const std::function<void(int)>& run, QThreadPool* pool)
        : failures(static_cast<std::size_t>(count)), limit(count)
    {
        jobs.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            jobs.push_back(QtConcurrent::run(pool, [this, &run, i] { Run(run, i); }));
    }

    ~TJobRun()
    {
        limit.store(0);
        for (const QFuture<void>& job : jobs)
            WaitOnThisThread(job);
    }

    TJobRun(const TJobRun&) = delete;
    TJobRun& operator=(const TJobRun&) = delete;

    // Waits for job i and rethrows what it threw.
    void Finish(int i)
    {
        const auto at = static_cast<std::size_t>(i);
        WaitOnThisThread(jobs[at]);
        if (failures[at])
            std::rethrow_exception(failures[at]);
    }

private:
    void Run(const std::function<void(int)>& run, int i)
    {
        if (i >= limit.load())
            return;
        try {
            run(i);
        } catch (...) {
            failures[static_cast<std::size_t>(i)] = std::current_exception();
            // The run ends at this job at the latest, so the jobs after it are not needed.
            int cut = limit.load();
            while (i < cut && !limit.compare_exchange_weak(cut, i)) {
            }
        }
    }

    std::vector<QFuture<void>> jobs;
    std::vector<std::exception_ptr> failures;  // one a job, set by its worker only
    std::atomic<int> limit;                    // jobs from this index on are not started
};

} // namespace

int RunJobsInOrderCore(int count, const std::function<void(int)>& run, const std::function<bool(int)>& deliver,
                       const std::function<void(int, int)>& progress, QThreadPool* pool)
{
    TJobRun jobs(count, run, pool ? pool : QThreadPool::globalInstance());
    int applied = 0;
    while (applied < count) {
        jobs.Finish(applied);
        if (!deliver(applied))
            break;
        ++applied;
        if (progress)
            progress(applied, count);
    }
    return applied;
}
