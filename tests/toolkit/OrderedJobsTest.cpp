#include "toolkit/OrderedJobs.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <atomic>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int None = -1;
constexpr int ByTheStop = -2;  // the gate opens in the apply that stops the run
constexpr int ByATimer = -3;   // the gate opens in a zero timer on the calling thread

TEST(OrderedJobs, ResultsComeInJobOrderUpToTheFirstStopOrFailure)
{
    struct Case {
        const char* name;
        int threads;
        int count;
        int heldFirst, heldLast;  // the jobs that wait for the gate
        int opener;               // the job whose end opens the gate, or ByTheStop, ByATimer
        int stopAt;               // the job whose apply returns false
        std::set<int> failing;    // these throw "job i"
        int applied;
        const char* error;
    };
    const Case cases[] = {
        {"one thread", 1, 6, None, None, None, None, {}, 6, ""},
        {"job 0 ends last", 3, 6, 0, 0, 5, None, {}, 6, ""},
        {"posted events are delivered while waiting", 2, 3, 0, 0, ByATimer, None, {}, 3, ""},
        {"stop in the middle", 2, 8, 3, 7, ByTheStop, 2, {}, 2, ""},
        {"the first failure in job order wins", 2, 4, 1, 1, 3, None, {1, 3}, 1, "job 1"},
        {"failure on one thread", 1, 5, None, None, None, None, {2, 4}, 2, "job 2"},
        {"no jobs", 2, 0, None, None, None, None, {}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QThreadPool pool;
        pool.setMaxThreadCount(c.threads);
        // Holds jobs back until what the case waits for has happened; the wait has a bound,
        // so that a run that never lets it happen fails the test instead of hanging it.
        QSemaphore gate;
        std::atomic<bool> stuck = false;
        const auto open = [&] { gate.release(c.count); };
        std::atomic<int> started = 0;
        std::atomic<int> ended = 0;
        const auto work = [&](int i) {
            ++started;
            if (i >= c.heldFirst && i <= c.heldLast) {
                if (!gate.tryAcquire(1, 10000))
                    stuck = true;
                // A run that does not wait for its running jobs would now see them unfinished.
                QThread::msleep(10);
            }
            if (i == c.opener)
                open();
            ++ended;
            if (c.failing.contains(i))
                throw std::runtime_error("job " + std::to_string(i));
            return "r" + std::to_string(i);
        };
        std::vector<std::string> handed;
        const auto apply = [&](int i, std::string& result) {
            handed.push_back(result);
            if (i != c.stopAt)
                return true;
            open();
            return false;
        };
        std::vector<std::pair<int, int>> reports;
        const auto progress = [&](int done, int total) { reports.emplace_back(done, total); };
        if (c.opener == ByATimer)
            QTimer::singleShot(0, open);

        TOrderedJobs jobs(&pool);
        QEventLoop loop;
        std::optional<TJobEnd> end;
        jobs.Start(c.count, work, apply, progress, [&](const TJobEnd& e) {
            end = e;
            loop.quit();
        });
        EXPECT_TRUE(jobs.Running()) << "nothing is applied before the event loop runs";
        EXPECT_TRUE(handed.empty());
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        ASSERT_TRUE(end.has_value());
        EXPECT_FALSE(jobs.Running());
        jobs.WaitForWorkers();
        const int applied = end->applied;
        std::string error;
        try {
            if (end->failure)
                std::rethrow_exception(end->failure);
        } catch (const std::runtime_error& e) {
            error = e.what();
        }

        EXPECT_EQ(error, c.error);
        EXPECT_EQ(applied, c.applied);
        const int calls = c.applied + (c.stopAt == None ? 0 : 1);
        std::vector<std::string> inOrder;
        std::vector<std::pair<int, int>> counted;
        for (int i = 0; i < calls; ++i)
            inOrder.push_back("r" + std::to_string(i));
        for (int k = 1; k <= c.applied; ++k)
            counted.emplace_back(k, c.count);
        EXPECT_EQ(handed, inOrder);
        EXPECT_EQ(reports, counted);
        EXPECT_FALSE(stuck);
        EXPECT_EQ(ended, started);
        // Past the job that ends the run, only those already running on a thread may have started.
        const int needed = c.error[0] ? *c.failing.begin() + 1 : calls;
        EXPECT_LE(started, std::min(c.count, needed + c.threads));
    }
}

// A cancelled run, or one replaced by the next, applies nothing more and never ends; its
// running jobs finish on the pool and the owner waits for them before it goes.
TEST(OrderedJobs, ACancelledOrReplacedRunStopsWhereItWas)
{
    for (const bool replaced : {false, true}) {
        SCOPED_TRACE(replaced ? "replaced" : "cancelled");
        QThreadPool pool;
        pool.setMaxThreadCount(2);
        std::atomic<int> ended = 0;
        std::vector<int> handed;
        int ends = 0;
        QEventLoop loop;
        {
            TOrderedJobs jobs(&pool);
            const auto work = [&ended](int i) {
                // Long enough that the cancel comes before the jobs after the first three start.
                QThread::msleep(i == 0 ? 1 : 300);
                ++ended;
                return i;
            };
            jobs.Start(6, work, [&](int i, int& r) {
                handed.push_back(r);
                if (i == 0) {
                    if (replaced)
                        jobs.Start(1, [](int) { return 10; }, [&](int, int& r10) { handed.push_back(r10); return true; },
                                   {}, [&](const TJobEnd&) { ++ends; loop.quit(); });
                    else
                        jobs.Cancel();
                    // The replacement ends the wait itself, once a thread is free for it.
                    QTimer::singleShot(replaced ? 10000 : 200, &loop, &QEventLoop::quit);
                }
                return true;
            }, {}, [&](const TJobEnd&) { ends += 100; });
            loop.exec();
            EXPECT_FALSE(jobs.Running());
        }
        EXPECT_EQ(handed, (replaced ? std::vector<int>{0, 10} : std::vector<int>{0}));
        EXPECT_EQ(ends, replaced ? 1 : 0);
        const int atTheEnd = ended;
        QThread::msleep(100);
        EXPECT_EQ(ended, atTheEnd) << "the owner waited for its running jobs";
        EXPECT_LT(atTheEnd, replaced ? 7 : 6) << "jobs not started by the cancel are not run";
    }
}

}  // namespace
