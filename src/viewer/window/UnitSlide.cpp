#include "viewer/window/UnitSlide.h"

#include "browse/PictureSet.h"
#include "imaging/JPEGImage.h"
#include "settings/SettingsFile.h"
#include "toolkit/window/Activation.h"
#include "toolkit/window/ControlColor.h"
#include "toolkit/Errors.h"
#include "toolkit/RunTime.h"
#include "viewer/window/SlideImage.h"
#include "viewer/SlideLayout.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <climits>

TfrmSlide* frmSlide = nullptr;

namespace {
constexpr TColor cl3DDkShadow = SystemColor(21);
}

TfrmSlide::TfrmSlide(TPictureSet& pictures, const TSettings& settings, QWidget* parent)
    : TForm("frmSlide", QString(), parent), pictures_(pictures), settings_(settings)
{
    // A title bar without system menu or buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(688, 453);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Connect(Timer1, &QTimer::timeout, this, &TfrmSlide::Timer1Timer);
    // Shown, or come back to from another of the program's windows; not from another program.
    new TActivation(this, [this] { FormActivate(); });
}

void TfrmSlide::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        // Without a window manager nothing maximises the window, so it is given the
        // whole screen first.
        setGeometry(screen()->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    TForm::setVisible(visible);
}

void TfrmSlide::FormActivate()
{
    SetControlColor(this, cl3DDkShadow);
    // Coming back to a running show goes on with what is there.
    if (ImageSlide)
        return;
    ImageSlide = new TSlideImage(this);
    ImageSlide->setObjectName("ImageSlide");
    ImageSlide->setGeometry(QRect());
    ImageSlide->show();
    LastSlideIndex = pictures_.Count() - 1;
    SlideIndex = 0;
    const std::int64_t interval = std::int64_t{StrToInt(settings_.SlideDelay)} * 1000;
    // An interval of 0 gives no ticks.
    if (interval > 0) {
        Timer1->setInterval(static_cast<int>(std::min<std::int64_t>(interval, INT_MAX)));
        Timer1->start();
    }
    DecodeNextAhead();
}

void TfrmSlide::Timer1Timer()
{
    // The slide asked for at the tick before is still on its way: the show waits for it.
    if (!ImageSlide || ahead_.Asked())
        return;
    if (!AskSlide())
        StopShow();
}

bool TfrmSlide::AskSlide()
{
    // A list shortened during the show ends it at its new end.
    LastSlideIndex = std::min(LastSlideIndex, pictures_.Count() - 1);
    if (SlideIndex > LastSlideIndex)
        return false;
    pictures_.Name(SlideIndex);
    const std::string path = pictures_.CurrentFile();
    const int position = SlideIndex + 1, total = LastSlideIndex + 1;
    ++SlideIndex;
    ahead_.Ask(SlideRequest(path), [this, path, position, total](const TDisplayCopy& copy) {
        // An entry that cannot be loaded is skipped, and the next one is asked for at once.
        if (!ShowSlide(path, position, total, copy))
            AskSlide();
        else
            DecodeNextAhead();
    });
    return true;
}

TDisplayRequest TfrmSlide::SlideRequest(const std::string& path) const
{
    // Fitted in logical pixels, made at the screen's device pixels.
    return {path, frameGeometry().size(), &SlideBounds, JPEGDefaults(), false, devicePixelRatio()};
}

void TfrmSlide::DecodeNextAhead()
{
    if (SlideIndex <= LastSlideIndex && SlideIndex < pictures_.Count())
        ahead_.Ahead(SlideRequest(pictures_.FullPath(SlideIndex)));
}

bool TfrmSlide::ShowSlide(const std::string& path, int position, int total, const TDisplayCopy& copy)
{
    if (!copy.error.empty())
        return false;
    SlideWidth = copy.natural.width();
    SlideHeight = copy.natural.height();
    ImageSlide->SetPicture(copy.image);
    ImageSlide->setGeometry(copy.bounds);
    frames_.Play(copy.frames);
    if (settings_.SlideShowPath == "True")
        setWindowTitle(QFile::decodeName(SlideCaption(copy.natural, path, position, total).c_str()));
    return true;
}

void TfrmSlide::ShowFrame(const QImage& frame)
{
    ImageSlide->SetPicture(frame);
}

void TfrmSlide::FormKeyDown(int key)
{
    if (key == Qt::Key_Escape)
        StopShow();
}

void TfrmSlide::keyPressEvent(QKeyEvent* event)
{
    // Not the dialog's own keys: Esc ends the show as a whole, not just the window.
    FormKeyDown(event->key());
}

void TfrmSlide::closeEvent(QCloseEvent* event)
{
    if (ImageSlide)
        StopShow();
    TForm::closeEvent(event);
}

void TfrmSlide::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    // The next slide is fitted to the window as it is now.
    if (ImageSlide)
        DecodeNextAhead();
}

void TfrmSlide::StopShow()
{
    ahead_.Drop();
    frames_.Stop();
    SlideIndex = 0;
    delete ImageSlide;
    ImageSlide = nullptr;
    setWindowTitle(QString());
    Timer1->stop();
    close();
}
