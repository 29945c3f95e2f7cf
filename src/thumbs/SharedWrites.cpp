#include "thumbs/SharedWrites.h"

#include <QCoreApplication>

#include <pthread.h>
#include <sched.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

class TSharedWrites {
public:
    ~TSharedWrites()
    {
        // What FinishSharedWrites did not write by now is given up: Qt is going away.
        {
            const std::lock_guard lock(mutex_);
            pending_.clear();
            stopping_ = true;
        }
        wake_.notify_all();
        if (writer_.joinable())
            writer_.join();
    }

    // False when there is no room: the caller writes it.
    bool Add(const TSharedThumbnail& entry, const QImage& thumbnail, QSize picture)
    {
        const std::size_t bytes = static_cast<std::size_t>(thumbnail.sizeInBytes());
        {
            const std::lock_guard lock(mutex_);
            if (stopping_ || bytes_ + bytes > kSharedWriteBytes)
                return false;
            if (!writer_.joinable()) {
                writer_ = std::thread([this] { Run(); });
                // Written before Qt goes away: its image writers are gone by the time
                // this object is destroyed.
                qAddPostRoutine(FinishSharedWrites);
            }
            pending_.push_back({entry, thumbnail, picture});
            bytes_ += bytes;
        }
        wake_.notify_all();
        return true;
    }

    void Finish()
    {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [this] { return pending_.empty() && !writing_; });
    }

private:
    struct TWrite {
        TSharedThumbnail entry;
        QImage thumbnail;
        QSize picture;
    };

    void Run()
    {
        // Only when no other thread wants a core: the board's decodes come first.
        const sched_param idle{};
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
            if (pending_.empty())
                return;
            TWrite write = std::move(pending_.front());
            pending_.pop_front();
            writing_ = true;
            lock.unlock();
            write.entry.Write(write.thumbnail, write.picture);
            lock.lock();
            writing_ = false;
            bytes_ -= static_cast<std::size_t>(write.thumbnail.sizeInBytes());
            done_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<TWrite> pending_;  // guarded by mutex_, as the rest
    std::size_t bytes_ = 0;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread writer_;
};

TSharedWrites& Writes()
{
    static TSharedWrites writes;
    return writes;
}

}  // namespace

void WriteSharedBehind(const TSharedThumbnail& entry, const QImage& thumbnail, QSize picture)
{
    // Kept as three bytes a pixel, which is what the PNG holds: a quarter more wait in the room.
    const QImage packed =
        thumbnail.format() == QImage::Format_RGB32 ? thumbnail.convertToFormat(QImage::Format_RGB888) : thumbnail;
    if (!Writes().Add(entry, packed, picture))
        entry.Write(packed, picture);
}

void FinishSharedWrites()
{
    Writes().Finish();
}
