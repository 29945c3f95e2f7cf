#pragma once
// Plays a moving picture's frames (an animated GIF or WebP) in a window that shows one
// picture: each frame for its own delay, round and round, until another picture comes.
// User-interface thread only; the window decides what showing a frame means.

#include "imaging/PictureCodec.h"

#include <QTimer>

#include <functional>
#include <vector>

// What a frame asks for at or below which browsers wait this long instead: files made for
// them often say 0 and mean "the usual speed".
constexpr int kShortestFrameDelay = 10;
constexpr int kUsualFrameDelay = 100;

class TFramePlayer {
public:
    using TShow = std::function<void(const QImage& frame)>;
    explicit TFramePlayer(TShow show);

    // Starts at the first frame, which the window already shows; fewer than two frames
    // play nothing. Replaces what was playing.
    void Play(std::vector<TPictureFrame> frames);
    void Stop();
    bool Playing() const { return timer_.isActive(); }
    int Frame() const { return index_; }

private:
    void Next();
    void Wait();

    TShow show_;
    std::vector<TPictureFrame> frames_;
    int index_ = 0;
    QTimer timer_;
};
