#include "toolkit/HandOver.h"

#include "toolkit/Errors.h"
#include "toolkit/WorkerPool.h"

#include <QElapsedTimer>
#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace {
// Results are handed over for at most this long at a time. Several hand-overs deliver in
// one pass of the event loop (a folder's rows, the board's headers, its thumbnails), and
// the pass as a whole must leave the window time to paint and take keys.
constexpr qint64 kHandOverSliceMs = 10;
// A worker gives its thread back to the pool after this long, and queues itself behind
// what waits there: two jobs at once share the cores (the board's thumbnails in view are
// decoded while the rest of its headers are still read) instead of one waiting for the
// other to end.
constexpr qint64 kWorkerTurnMs = 5;
}  // namespace

// What the workers share with the owner: they keep it alive by themselves, so a worker
// that ends after its owner never touches anything freed.
struct THandOver::TShared : std::enable_shared_from_this<TShared> {
    // What one Run or RunEach started: its pieces share it.
    struct TBatch {
        std::function<void(int)> work;
        std::function<void(int)> deliver;
    };
    // Pieces not started yet: next .. count - 1 of a batch.
    struct TWaiting {
        std::uint64_t generation;
        std::uint64_t firstPlace;  // in start order, within its generation
        int count;
        int next;
        std::shared_ptr<TBatch> batch;
    };
    struct TDone {
        std::shared_ptr<TBatch> batch;
        int piece;
    };
    // Results in the order they are handed over: older generations first (they are
    // dropped), then by place, in start order or in finishing order.
    using TFinished = std::map<std::pair<std::uint64_t, std::uint64_t>, TDone>;

    TShared(TOrder order, QThreadPool& pool, THandOver& owner) : order(order), pool(pool), owner(owner) {}

    // A worker on the pool: takes the next piece of work until none is left.
    void Work()
    {
        QElapsedTimer turn;
        turn.start();
        std::unique_lock lock(mutex);
        while (!waiting.empty()) {
            if (workers > Limit())
                break;
            if (turn.elapsed() >= kWorkerTurnMs) {
                // Still counted among the workers: the owner waits for this one too.
                pool.start([shared = shared_from_this()] { shared->Work(); });
                return;
            }
            TWaiting& front = waiting.front();
            const int piece = front.next++;
            const std::uint64_t generation = front.generation;
            std::uint64_t place = front.firstPlace + static_cast<std::uint64_t>(piece);
            std::shared_ptr<TBatch> batch = front.next == front.count ? std::move(front.batch) : front.batch;
            if (front.next == front.count)
                waiting.pop_front();
            lock.unlock();
            batch->work(piece);
            lock.lock();
            // Even a result that is not wanted any more goes to the owner's thread, which
            // alone lets go of what its delivery holds.
            if (order == TOrder::Finished)
                place = finishedCount++;
            finished.emplace(std::pair{generation, place}, TDone{std::move(batch), piece});
            Post();
        }
        --workers;
        noWorkers.notify_all();
    }

    // How many workers may run at once; under mutex.
    int Limit() const
    {
        const int threads = std::max(1, pool.maxThreadCount());
        return workerLimit > 0 ? std::min(workerLimit, threads) : threads;
    }

    // Workers for the pieces waiting, up to the limit; under mutex.
    void StartWorkers()
    {
        int pieces = 0;
        for (const TWaiting& batch : waiting)
            pieces += batch.count - batch.next;
        for (; pieces > 0 && workers < Limit(); --pieces) {
            ++workers;
            pool.start([shared = shared_from_this()] { shared->Work(); });
        }
    }

    // Asks the event loop for one delivery unless one is waiting already; any thread,
    // under mutex. The owner waits for its workers before it goes, so it is still here.
    void Post()
    {
        if (deliveryPosted)
            return;
        deliveryPosted = true;
        QMetaObject::invokeMethod(&owner.context_, [this] { owner.Deliver(); }, Qt::QueuedConnection);
    }

    const TOrder order;
    QThreadPool& pool;
    THandOver& owner;
    std::mutex mutex;
    std::condition_variable noWorkers;
    // Everything below is guarded by mutex.
    std::deque<TWaiting> waiting;  // in start order
    TFinished finished;
    std::uint64_t generation = 0;
    std::uint64_t started = 0;        // work run in this generation
    std::uint64_t nextPlace = 0;      // in start order: the next result to hand over
    std::uint64_t finishedCount = 0;  // in finishing order: the place of the next result
    int unfinished = 0;
    int workers = 0;
    int workerLimit = 0;  // 0: the pool's threads
    bool deliveryPosted = false;
    bool gone = false;  // the owner went while it handed a result over
};

THandOver::THandOver(TOrder order, QThreadPool* pool)
    : shared_(std::make_shared<TShared>(order, pool ? *pool : WorkerPool(), *this))
{
}

THandOver::~THandOver()
{
    Drop();
    WaitForWorkers();
    TShared::TFinished stale;
    const std::lock_guard lock(shared_->mutex);
    stale.swap(shared_->finished);
    shared_->gone = true;
}

void THandOver::RunCore(int count, std::function<void(int)> work, std::function<void(int)> deliver)
{
    if (count <= 0)
        return;
    TShared& s = *shared_;
    auto batch = std::make_shared<TShared::TBatch>(TShared::TBatch{std::move(work), std::move(deliver)});
    const std::lock_guard lock(s.mutex);
    s.waiting.push_back({s.generation, s.started, count, 0, std::move(batch)});
    s.started += static_cast<std::uint64_t>(count);
    s.unfinished += count;
    // A worker a thread, each taking the next work until none is left: ten thousand
    // pieces of work cost the pool a few tasks, not ten thousand.
    s.StartWorkers();
}

void THandOver::SetWorkers(int workers)
{
    const std::lock_guard lock(shared_->mutex);
    shared_->workerLimit = std::max(0, workers);
    shared_->StartWorkers();
}

void THandOver::Drop()
{
    // What is let go is let go here, outside the lock.
    std::deque<TShared::TWaiting> notStarted;
    TShared::TFinished finished;
    TShared& s = *shared_;
    const std::lock_guard lock(s.mutex);
    ++s.generation;
    s.started = 0;
    s.nextPlace = 0;
    s.unfinished = 0;
    notStarted.swap(s.waiting);
    finished.swap(s.finished);
}

int THandOver::Unfinished() const
{
    const std::lock_guard lock(shared_->mutex);
    return shared_->unfinished;
}

void THandOver::WaitForWorkers()
{
    TShared& s = *shared_;
    std::unique_lock lock(s.mutex);
    s.noWorkers.wait(lock, [&] { return s.workers == 0; });
}

void THandOver::Deliver()
{
    const std::shared_ptr<TShared> shared = shared_;  // a delivery may end this object
    TShared& s = *shared;
    {
        const std::lock_guard lock(s.mutex);
        s.deliveryPosted = false;  // a result from now on posts anew
    }
    QElapsedTimer slice;
    slice.start();
    for (;;) {
        std::vector<TShared::TDone> stale;
        TShared::TDone done;
        {
            const std::lock_guard lock(s.mutex);
            while (!s.finished.empty() && s.finished.begin()->first.first != s.generation) {
                stale.push_back(std::move(s.finished.begin()->second));
                s.finished.erase(s.finished.begin());
            }
            const auto first = s.finished.begin();
            if (first == s.finished.end() || (s.order == TOrder::Started && first->first.second != s.nextPlace))
                return;
            done = std::move(first->second);
            s.finished.erase(first);
            ++s.nextPlace;
            --s.unfinished;
        }
        // A delivery runs from the event loop, which no exception may cross.
        Guarded([&] { done.batch->deliver(done.piece); });
        if (s.gone)
            return;
        if (slice.elapsed() >= kHandOverSliceMs) {
            const std::lock_guard lock(s.mutex);
            s.Post();
            return;
        }
    }
}
