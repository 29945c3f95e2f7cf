#pragma once
// Long work split into jobs that run on a thread pool while the user-interface thread
// goes on: results come back through its event loop in job order, so a run on many
// threads hands over exactly what a run on one thread would, up to the same first
// failure. Nothing waits for the jobs in a nested event loop.
//
// Qt Core only: no window code here.

#include "toolkit/HandOver.h"

#include <QObject>

#include <concepts>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

class QThreadPool;

// How a run ended: how many results were applied, and the first failure in job order
// (null when none). A cancelled run never ends: its end is not reported.
struct TJobEnd {
    int applied = 0;
    std::exception_ptr failure;
};

// One run at a time. Start(count, work, apply, progress, end) runs work(0) .. work(count - 1)
// on the pool, several at once; result i is handed to apply(i, result) on the thread this
// object lives on, once results 0..i-1 were applied; each apply that returns true is
// followed by progress(applied, count); end comes last, also from the event loop.
//
// work runs on worker threads and is called as const: give it plain data it owns (copies
// captured by value), never widgets. apply returning false, or the first job in order that
// threw, ends the run: later jobs are not started, later results are dropped. Cancel drops
// the run without an end; Start cancels the run before it. Jobs already running are not
// interrupted: they finish on the pool, and the destructor waits for them. Results come
// back through a THandOver, in job order.
class TOrderedJobs : public QObject {
public:
    explicit TOrderedJobs(QThreadPool* pool = nullptr, QObject* parent = nullptr);
    ~TOrderedJobs() override;
    TOrderedJobs(const TOrderedJobs&) = delete;
    TOrderedJobs& operator=(const TOrderedJobs&) = delete;

    template <class Work, class Apply>
        requires std::invocable<const Work&, int>
                 && std::predicate<Apply&, int, std::decay_t<std::invoke_result_t<const Work&, int>>&>
    void Start(int count, Work work, Apply apply, std::function<void(int done, int total)> progress,
               std::function<void(const TJobEnd&)> end)
    {
        using Result = std::decay_t<std::invoke_result_t<const Work&, int>>;
        // One slot a job, written by its worker only, read here once its job is done.
        auto results = std::make_shared<std::vector<std::optional<Result>>>(static_cast<std::size_t>(count));
        StartCore(
            count, [results, work = std::move(work)](int i) { (*results)[static_cast<std::size_t>(i)].emplace(work(i)); },
            [results, apply = std::move(apply)](int i) mutable {
                std::optional<Result>& slot = (*results)[static_cast<std::size_t>(i)];
                const bool goOn = apply(i, *slot);
                slot.reset();  // a result is often a picture: free it as soon as it is handed over
                return goOn;
            },
            std::move(progress), std::move(end));
    }

    // Drops the run: nothing more is applied and its end is not reported.
    void Cancel();
    bool Running() const { return run_ != nullptr; }
    // Waits, without an event loop, for every job that is still running on the pool.
    void WaitForWorkers();

private:
    struct TRun;

    void StartCore(int count, std::function<void(int)> execute, std::function<bool(int)> deliver,
                   std::function<void(int, int)> progress, std::function<void(const TJobEnd&)> end);
    // Job i's result, or its failure, handed over in job order.
    void Apply(const std::shared_ptr<TRun>& run, int i, const std::exception_ptr& failure);
    void End(int applied, std::exception_ptr failure);

    THandOver handOver_;
    std::shared_ptr<TRun> run_;
};
