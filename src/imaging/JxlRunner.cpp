#include "imaging/JxlRunner.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

// What the calling thread and its helpers share; held by each helper until it is done.
struct TShared {
    void* jxl;
    JxlParallelRunFunction run;
    std::atomic<std::uint32_t> next;
    std::uint32_t end;
    std::mutex mutex;
    std::condition_variable done;
    int helping = 0;  // helpers started and not yet finished

    void Work(std::size_t thread)
    {
        for (std::uint32_t i = next++; i < end; i = next++)
            run(jxl, i, thread);
    }
};

}  // namespace

JxlParallelRetCode RunOnPool(void* runner, void* jxl, JxlParallelRunInit init, JxlParallelRunFunction run,
                             std::uint32_t start, std::uint32_t end)
{
    if (start >= end)
        return 0;
    QThreadPool& pool = *static_cast<QThreadPool*>(runner);
    const auto helpers = static_cast<std::size_t>(
        std::max<std::int64_t>(0, std::min<std::int64_t>(pool.maxThreadCount(), std::int64_t{end} - start - 1)));
    // Thread 0 is the caller; helpers take the numbers after it.
    if (const JxlParallelRetCode status = init(jxl, helpers + 1); status != 0)
        return status;
    const auto shared = std::make_shared<TShared>();
    shared->jxl = jxl;
    shared->run = run;
    shared->next = start;
    shared->end = end;
    for (std::size_t thread = 1; thread <= helpers; ++thread) {
        {
            const std::lock_guard lock(shared->mutex);
            ++shared->helping;
        }
        // Only a thread free now: one queued behind other work would come too late to help.
        const bool started = pool.tryStart([shared, thread] {
            shared->Work(thread);
            const std::lock_guard lock(shared->mutex);
            if (--shared->helping == 0)
                shared->done.notify_all();
        });
        if (!started) {
            const std::lock_guard lock(shared->mutex);
            --shared->helping;
            break;
        }
    }
    shared->Work(0);
    // Every piece is taken; those a helper is still running end before libjxl goes on.
    std::unique_lock lock(shared->mutex);
    shared->done.wait(lock, [&] { return shared->helping == 0; });
    return 0;
}
