#include "viewer/FramePlayer.h"

TFramePlayer::TFramePlayer(TShow show) : show_(std::move(show))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Next(); });
}

void TFramePlayer::Play(std::vector<TPictureFrame> frames)
{
    Stop();
    if (frames.size() < 2)
        return;
    frames_ = std::move(frames);
    Wait();
}

void TFramePlayer::Stop()
{
    timer_.stop();
    frames_.clear();
    index_ = 0;
}

void TFramePlayer::Next()
{
    index_ = (index_ + 1) % static_cast<int>(frames_.size());
    show_(frames_[static_cast<std::size_t>(index_)].image);
    Wait();
}

void TFramePlayer::Wait()
{
    const int delay = frames_[static_cast<std::size_t>(index_)].delay;
    timer_.start(delay <= kShortestFrameDelay ? kUsualFrameDelay : delay);
}
