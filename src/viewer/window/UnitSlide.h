#pragma once
// The slide show window: the selection list played full screen, one entry a tick of
// Timer1, each fitted to the window, optionally with a caption naming it.

#include "toolkit/window/Form.h"
#include "viewer/DecodeAhead.h"
#include "viewer/FramePlayer.h"

#include <cstdint>
#include <string>

class QTimer;
class TPictureSet;
struct TSettings;
class TSlideImage;

class TfrmSlide : public TForm {
public:
    // Plays pictures under settings; both outlive it.
    TfrmSlide(TPictureSet& pictures, const TSettings& settings, QWidget* parent = nullptr);

    QTimer* Timer1 = nullptr;
    // The picture control of the show that runs; none while no show runs.
    TSlideImage* ImageSlide = nullptr;
    std::int32_t SlideIndex = 0;       // next entry of the selection list to show
    std::int32_t LastSlideIndex = 0;   // the list's last entry when the show started
    std::int32_t SlideWidth = 0;       // own size of the picture shown
    std::int32_t SlideHeight = 0;

    void FormActivate();
    // Esc (Qt::Key_Escape) stops the show; every other key is ignored.
    void FormKeyDown(int key);
    // Asks for the next slide; it is shown when its copy lands, at once when it was made ahead.
    void Timer1Timer();
    // Shows one slide's copy, and its caption when asked for; false when its file could
    // not be loaded, and then nothing changes.
    bool ShowSlide(const std::string& path, int position, int total, const TDisplayCopy& copy);
    // A slide asked for, or the next one, is still being read.
    bool Decoding() const { return !ahead_.Idle(); }

    // Maximised whenever it is shown.
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void StopShow();
    TDisplayRequest SlideRequest(const std::string& path) const;
    // Makes entry SlideIndex the current file, asks for its slide and moves past it; false
    // when the show has no entry left.
    bool AskSlide();
    // Starts making the next slide while the one shown stays up.
    void DecodeNextAhead();
    void ShowFrame(const QImage& frame);

    TPictureSet& pictures_;
    const TSettings& settings_;
    // The next slide; the one shown is held by ImageSlide alone.
    TDecodeAhead ahead_{1, kDecodeAheadBytes};
    // A moving slide's frames; the slide show's timer still decides when the next comes.
    TFramePlayer frames_{[this](const QImage& frame) { ShowFrame(frame); }};
};

extern TfrmSlide* frmSlide;
