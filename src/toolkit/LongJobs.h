#pragma once
// Long work split into jobs that run on a thread pool while the user-interface thread
// waits for them in a nested event loop: the windows stay painted, timers and posted
// events go on, but input from the user waits until the run ends. Results come back on the
// calling thread in job order, so a run on many threads hands over exactly what a run
// on one thread would, up to the same first failure.
//
// Qt Core and Qt Concurrent only: no window code here.

#include <concepts>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

class QThreadPool;

// The part of RunJobsInOrder below that does not depend on the result type: run(i) does
// job i on a worker and keeps its result, deliver(i) hands kept result i to the caller.
int RunJobsInOrderCore(int count, const std::function<void(int)>& run, const std::function<bool(int)>& deliver,
                       const std::function<void(int, int)>& progress, QThreadPool* pool);

// Runs work(0) .. work(count - 1) on the pool (the global one when pool is null) and
// waits for them on the calling thread, which must be the thread the caller's windows
// live on. Result i is handed to apply(i, result) on the calling thread as soon as jobs
// 0..i are done and results 0..i-1 were applied; each apply that returns true is
// followed by progress(applied, count).
//
// work runs on worker threads, several at once, and is called as const (a mutable lambda
// does not compile). It must not touch widgets or anything else of the user-interface
// thread; give it plain data (an index into data the caller copied beforehand) and let
// apply do what the user sees. Jobs after a stop or failure may have run, so work should
// only compute, and leave writing to apply.
//
// apply returning false stops the run: jobs not yet started are not run, jobs already
// running are waited for (they may use the caller's data), and nothing after it is
// applied. An exception thrown by job i is rethrown here at i's turn, after the same
// stop, so the first failure in job order wins whatever failed first in time; an
// exception from apply or progress stops the run the same way.
//
// Returns how many applies returned true: count when the run went through.
// Events other than user input are delivered while it waits, so their handlers may run
// in the middle of the caller's code.
template <class Work, class Apply>
    requires std::invocable<const Work&, int>
             && std::predicate<Apply&, int, std::decay_t<std::invoke_result_t<const Work&, int>>&>
int RunJobsInOrder(int count, const Work& work, Apply apply,
                   std::function<void(int done, int total)> progress = {}, QThreadPool* pool = nullptr)
{
    using Result = std::decay_t<std::invoke_result_t<const Work&, int>>;
    if (count <= 0)
        return 0;
    // One slot a job, written by its worker only; the core reads a slot after its job ended.
    std::vector<std::optional<Result>> results(static_cast<std::size_t>(count));
    return RunJobsInOrderCore(
        count, [&](int i) { results[static_cast<std::size_t>(i)].emplace(work(i)); },
        [&](int i) {
            std::optional<Result>& slot = results[static_cast<std::size_t>(i)];
            const bool goOn = apply(i, *slot);
            slot.reset();  // a result is often a picture: free it as soon as it is handed over
            return goOn;
        },
        progress, pool);
}
