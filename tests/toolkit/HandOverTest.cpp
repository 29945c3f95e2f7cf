#include "toolkit/HandOver.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSemaphore>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

using TOrder = THandOver::TOrder;

// Job 0 waits for a gate; the case says what opens it and what follows the start.
enum class TGate { ByLastWork, ByLastDelivery, ByTheTest };
enum class TThen { Nothing, Drop, DropAndRunAnother, Destroy };

TEST(HandOver, HandsOverInOrderOnceAndOnlyForTheCurrentGeneration)
{
    const struct {
        const char* name;
        TOrder order;
        int threads;
        TGate gate;
        TThen then;
        std::vector<int> handed;
        std::set<int> ran;
    } cases[] = {
        {"in start order: a result waits for those started before it", TOrder::Started, 2, TGate::ByLastWork,
         TThen::Nothing, {0, 1, 2, 3}, {0, 1, 2, 3}},
        {"in finishing order", TOrder::Finished, 2, TGate::ByLastDelivery, TThen::Nothing, {1, 2, 3, 0}, {0, 1, 2, 3}},
        {"dropped: nothing is handed over, and what had not started never runs", TOrder::Started, 1, TGate::ByTheTest,
         TThen::Drop, {}, {0}},
        {"a new generation: only its own result is handed over", TOrder::Finished, 1, TGate::ByTheTest,
         TThen::DropAndRunAnother, {4}, {0, 4}},
        {"the owner goes: it waits for the work still running", TOrder::Finished, 1, TGate::ByTheTest, TThen::Destroy,
         {}, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QThreadPool pool;
        pool.setMaxThreadCount(c.threads);
        QSemaphore gate, zeroStarted;
        std::atomic<bool> stuck = false;
        std::mutex lock;
        std::set<int> ran;
        std::atomic<int> running = 0;
        std::vector<int> handed;
        auto handOver = std::make_unique<THandOver>(c.order, &pool);
        const auto run = [&](int i) {
            handOver->Run(
                [&, i] {
                    ++running;
                    {
                        const std::lock_guard guard(lock);
                        ran.insert(i);
                    }
                    if (i == 0) {
                        zeroStarted.release();
                        // A bound, so that a case that never opens the gate fails instead of hanging.
                        stuck = stuck || !gate.tryAcquire(1, c.then == TThen::Destroy ? 50 : 10000);
                    }
                    if (i == 3 && c.gate == TGate::ByLastWork)
                        gate.release();
                    --running;
                    return i;
                },
                [&](int result) {
                    handed.push_back(result);
                    if (result == 3 && c.gate == TGate::ByLastDelivery)
                        gate.release();
                });
        };
        for (int i = 0; i < 4; ++i)
            run(i);
        EXPECT_TRUE(handed.empty()) << "nothing is handed over inside Run";
        EXPECT_EQ(handOver->Unfinished(), 4);
        if (c.then != TThen::Nothing) {
            ASSERT_TRUE(zeroStarted.tryAcquire(1, 10000));
            if (c.then == TThen::Destroy) {
                handOver.reset();
                EXPECT_EQ(running, 0) << "the work still running ended before the owner went";
                stuck = false;
            } else {
                handOver->Drop();
                EXPECT_EQ(handOver->Unfinished(), 0);
                if (c.then == TThen::DropAndRunAnother)
                    run(4);
                gate.release();
            }
        }
        QTimer wake;  // the wait for more events ends at least this often
        wake.start(50);
        const QDeadlineTimer deadline(60'000);
        while (handOver && handOver->Unfinished() > 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // What was dropped lands too, and is not handed over.
        if (handOver)
            handOver->WaitForWorkers();
        QCoreApplication::processEvents();
        EXPECT_FALSE(stuck);
        EXPECT_EQ(handed, c.handed);
        EXPECT_EQ(ran, c.ran);
    }
}

// The board's headers and its thumbnails in view: a long batch does not keep the pool's
// threads from another hand-over's work, and the one held to a worker never has two pieces
// running.
TEST(HandOver, TwoShareThePoolAndOneMayBeHeldToOneWorker)
{
    QThreadPool pool;
    pool.setMaxThreadCount(2);
    THandOver headers(TOrder::Started, &pool), thumbs(TOrder::Finished, &pool);
    thumbs.SetWorkers(1);
    std::atomic<bool> headersDone = false;
    std::atomic<int> running = 0, most = 0;
    int beforeHeadersEnd = 0;
    headers.RunEach(
        400,
        [&](int i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (i == 399)
                headersDone = true;
            return i;
        },
        [](int, int&) {});
    for (int i = 0; i < 4; ++i)
        thumbs.Run(
            [&] {
                const int now = ++running;
                most = std::max(most.load(), now);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                --running;
                return !headersDone.load();
            },
            [&](bool early) { beforeHeadersEnd += early; });
    QTimer wake;  // the wait for more events ends at least this often
    wake.start(50);
    const QDeadlineTimer deadline(60'000);
    while ((headers.Unfinished() > 0 || thumbs.Unfinished() > 0) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(beforeHeadersEnd, 4);
    EXPECT_EQ(most, 1);
}

}  // namespace
