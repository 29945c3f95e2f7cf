// libjxl's pieces run on a thread pool that may have no thread free: the board decodes on
// every worker at once.

#include "imaging/JxlRunner.h"

#include <QSemaphore>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

struct TPieces {
    std::vector<std::atomic<int>> runs = std::vector<std::atomic<int>>(200);
    std::size_t threads = 0;
    std::atomic<bool> threadInRange{true};
};

TEST(JxlRunner, RunsEveryPieceOnceWhetherThePoolIsBusyOrFree)
{
    for (const bool busy : {true, false}) {
        SCOPED_TRACE(busy ? "busy" : "free");
        QThreadPool pool;
        pool.setMaxThreadCount(2);
        QSemaphore release;
        if (busy)
            for (int i = 0; i < pool.maxThreadCount(); ++i)
                pool.start([&release] { release.acquire(); });
        TPieces pieces;
        const auto init = [](void* opaque, std::size_t threads) {
            static_cast<TPieces*>(opaque)->threads = threads;
            return JxlParallelRetCode{0};
        };
        const auto run = [](void* opaque, std::uint32_t value, std::size_t thread) {
            auto& p = *static_cast<TPieces*>(opaque);
            ++p.runs[value];
            if (thread >= p.threads)
                p.threadInRange = false;
        };
        EXPECT_EQ(RunOnPool(&pool, &pieces, init, run, 0, 200), 0);
        release.release(pool.maxThreadCount());
        pool.waitForDone();
        for (std::size_t i = 0; i < pieces.runs.size(); ++i)
            EXPECT_EQ(pieces.runs[i], 1) << i;
        EXPECT_TRUE(pieces.threadInRange);
    }
}

}  // namespace
