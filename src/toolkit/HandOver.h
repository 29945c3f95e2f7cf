#pragma once
// The one way work done off the user-interface thread comes back to it. Work runs on a
// thread pool (Lumora's own unless told); its results are handed over on the thread this
// object was made on, by one posted delivery per pass of the event loop that hands over
// what is ready for at most a slice of time, so the window keeps painting and taking
// keys while thousands of results are ready at once.
//
// One rule for what is no longer wanted: Drop starts a new generation. Work of an older
// generation that has not started is never started; work already running finishes on the
// pool and its result is dropped, never handed over. The destructor drops and waits for
// the work still running, so nothing it handed out outlives it.
//
// Qt Core only: no window code here.

#include <QObject>

#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

class QThreadPool;

class THandOver {
public:
    // In which order results are handed over: as the work finished, or as it was started
    // (a result then waits for those started before it).
    enum class TOrder { Finished, Started };

    explicit THandOver(TOrder order, QThreadPool* pool = nullptr);
    ~THandOver();
    THandOver(const THandOver&) = delete;
    THandOver& operator=(const THandOver&) = delete;

    // Runs work() on the pool and hands its result to deliver on this object's thread,
    // never inside Run. work gets plain data it owns (copies captured by value) and must
    // not throw: what can fail returns its failure as part of the result.
    template <class Work, class Deliver>
        requires std::invocable<Work&>
                 && std::invocable<Deliver&, std::decay_t<std::invoke_result_t<Work&>>&>
    void Run(Work work, Deliver deliver)
    {
        using Result = std::decay_t<std::invoke_result_t<Work&>>;
        // Written by the worker, read on this thread once the work is done.
        auto result = std::make_shared<std::optional<Result>>();
        RunCore(1, [result, work = std::move(work)](int) mutable noexcept { result->emplace(work()); },
                [result, deliver = std::move(deliver)](int) mutable {
                    deliver(**result);
                    result->reset();  // a result is often a picture: let it go once handed over
                });
    }

    // Runs work(0) .. work(count - 1) on the pool, started in that order and several at
    // once, and hands each result to deliver(i, result) as Run does. Ten thousand pieces
    // of work started at once cost one entry, not ten thousand. work is called as const,
    // from several threads.
    template <class Work, class Deliver>
        requires std::invocable<const Work&, int>
                 && std::invocable<Deliver&, int, std::decay_t<std::invoke_result_t<const Work&, int>>&>
    void RunEach(int count, Work work, Deliver deliver)
    {
        using Result = std::decay_t<std::invoke_result_t<const Work&, int>>;
        // One slot a piece, written by its worker only.
        auto results = std::make_shared<std::vector<std::optional<Result>>>(static_cast<std::size_t>(count));
        RunCore(
            count,
            [results, work = std::move(work)](int i) noexcept { (*results)[static_cast<std::size_t>(i)].emplace(work(i)); },
            [results, deliver = std::move(deliver)](int i) mutable {
                std::optional<Result>& slot = (*results)[static_cast<std::size_t>(i)];
                deliver(i, *slot);
                slot.reset();
            });
    }

    // A new generation: nothing run before is started or handed over any more.
    void Drop();
    // At most workers of this object's pieces run at once, from now on; 0: as many as the
    // pool has threads, as at first.
    void SetWorkers(int workers);
    // Work of this generation whose result has not been handed over yet; a result being
    // handed over no longer counts.
    int Unfinished() const;
    // Waits, without an event loop, for the work still running on the pool.
    void WaitForWorkers();

private:
    struct TShared;

    // Runs work(0) .. work(count - 1), each result handed over by deliver(i).
    void RunCore(int count, std::function<void(int)> work, std::function<void(int)> deliver);
    // Hands over what is ready of this generation, for a slice of time.
    void Deliver();

    QObject context_;  // deliveries run on its thread, and not after it is gone
    std::shared_ptr<TShared> shared_;
};
