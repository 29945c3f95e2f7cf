#include "viewer/window/UnitShow.h"

#include "browse/PictureSet.h"
#include "imaging/JPEGImage.h"
#include "imaging/PictureTypes.h"
#include "settings/SharedSettings.h"
#include "toolkit/window/Activation.h"
#include "toolkit/window/ControlColor.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"
#include "toolkit/RunTime.h"
#include "viewer/window/ViewerImage.h"
#include "viewer/ViewerKeys.h"
#include "viewer/ViewerZoom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

TfrmShow* frmShow = nullptr;

namespace {

const char* const kLoadFailed = "Could not load or alter JPEG Files";
const char* const kNoMore = "No More Last Picture !!";

QString Shown(const std::string& text)
{
    return QFile::decodeName(text.c_str());
}

// Panel 1: "PATH   ( k/N )".
QString PlaceText(const std::string& path, int position, int total)
{
    return Shown(path + "   ( " + IntToStr(position) + "/" + IntToStr(total) + " )");
}

}  // namespace

TfrmShow::TfrmShow(TPictureSet& pictures, const TSharedSettings& settings, const QWidget& mainWindow,
                   QWidget* parent)
    : TForm("frmShow", "Show Picture", parent), pictures_(pictures), mainWindow_(mainWindow)
{
    resize(688, 498);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    CreateToolBar();
    CreateArea();
    CreateStatusBar();
    column->addWidget(ToolBar1);
    column->addWidget(ScrollBox1, 1);
    column->addWidget(StatusBar1);
    SetBackdrop(settings.ViewerBackdrop);
    connect(&settings, &TSharedSettings::Changed, this, [this, &settings] { SetBackdrop(settings.ViewerBackdrop); });
    // Rows removed or sorted, or a press elsewhere, while the viewer is open: the
    // neighbours of the entry it steps from now are the ones to have ready. Queued, so a
    // step of its own has taken its copy first.
    for (auto changed : {&TPictureSet::RowsChanged, &TPictureSet::CursorMoved})
        connect(
            &pictures, changed, this,
            [this] {
                if (isVisible())
                    DecodeNeighboursAhead();
            },
            Qt::QueuedConnection);
    connect(&pictures, &TPictureSet::Relocated, this, [this] { ShowPlace(); });
    // Shown, or come back to from another Lumora window: reloaded. Back from another
    // program or from one of its own boxes: left as it was.
    new TActivation(this, [this] { FormActivate(); });
}

void TfrmShow::SetBackdrop(TColor color)
{
    SetControlColor(ScrollBox1, color);
}

QString TfrmShow::PanelText(int panel) const
{
    return panels_[panel]->text();
}

QSize TfrmShow::FullArea() const
{
    return ScrollBox1->contentsRect().size();
}

QSize TfrmShow::Room(QSize extent) const
{
    const QSize bars(ScrollBox1->verticalScrollBar()->sizeHint().width(),
                     ScrollBox1->horizontalScrollBar()->sizeHint().height());
    return RoomFor(extent, FullArea(), bars);
}

void TfrmShow::PlacePicture(const QRect& bounds)
{
    Image1->setGeometry(bounds);
    ScrollBox1->widget()->resize(std::max(bounds.right() + 1, 0), std::max(bounds.bottom() + 1, 0));
    ShowScrollBars();
}

void TfrmShow::ShowScrollBars()
{
    // Decided here, not left to the area, which can keep a bar that has nothing to scroll.
    const QSize room = Room(ScrollBox1->widget()->size());
    const QSize full = FullArea();
    ScrollBox1->setHorizontalScrollBarPolicy(room.height() < full.height() ? Qt::ScrollBarAlwaysOn
                                                                           : Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(room.width() < full.width() ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
}

bool TfrmShow::event(QEvent* event)
{
    if (event->type() == QEvent::Hide)
        ahead_.Drop();
    return TForm::event(event);
}

void TfrmShow::setVisible(bool visible)
{
    // Each opening is centred on the main window.
    if (visible && !isVisible())
        move(mainWindow_.frameGeometry().center() - rect().center());
    TForm::setVisible(visible);
}

void TfrmShow::FormActivate()
{
    ZoomIndex = kZoomNatural;
    cmbZoom->clear();
    for (const TZoomEntry& entry : ZoomEntries())
        cmbZoom->addItem(entry.text);
    cmbZoom->setCurrentIndex(ZoomIndex);
    FitMode = 1;
    // Keys reach FormKeyDown before any control (the preview is always on); and no
    // control holds the focus, so Space and Backspace step through the list.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    ShowCurrent();
}

void TfrmShow::ShowPicture(const std::string& path, int position, int total)
{
    const TDisplayRequest request{path, {}, nullptr, JPEGDefaults(), true};
    // A picture not made ahead is decoded while the one shown is let go, so that two
    // large pictures are never held at once, unless something is drawn on it.
    if (Unmarked && !ahead_.Holds(request) && !CleanPicture.Empty()) {
        frames_.Stop();
        CleanPicture = TBitmap();
        Image1->SetPicture(CleanPicture);
        letGo_ = true;
    }
    // The entry's place shows at once; its picture and size follow when its copy lands,
    // at once when it was made ahead.
    panels_[1]->setText(PlaceText(path, position, total));
    ahead_.Ask(request, [this, path](const TDisplayCopy& copy) { ShowCopy(path, copy); });
    // MainState already names this entry, loaded or not: its neighbours are next.
    DecodeNeighboursAhead();
}

void TfrmShow::ShowFrame(const QImage& frame)
{
    // A mark drawn on one frame goes with it.
    CleanPicture = TBitmap::Holding(frame);
    Image1->SetPicture(CleanPicture);
    Unmarked = true;
}

void TfrmShow::ShowCopy(const std::string& path, const TDisplayCopy& copy)
{
    if (!copy.error.empty()) {
        // The previous picture stays, with its clean copy, its mark and its texts; one
        // that was let go is read again from its file.
        panels_[1]->setText(shownPlace_);
        if (letGo_)
            ahead_.Ask({shownPath_, {}, nullptr, JPEGDefaults(), true}, [this](const TDisplayCopy& again) {
                letGo_ = false;
                CleanPicture = TBitmap::Holding(again.image);
                Image1->SetPicture(CleanPicture);
                frames_.Play(again.frames);
            });
        // With every type shown, which file failed and why is worth saying.
        Dialogs().ShowMessage(AllPictureTypes() ? std::string(kLoadFailed) + "\n" + path + ": " + copy.error
                                                : std::string(kLoadFailed));
        return;
    }
    shownPath_ = path;
    shownPlace_ = panels_[1]->text();
    letGo_ = false;
    CleanPicture = TBitmap::Holding(copy.image);
    Image1->SetPicture(CleanPicture);
    frames_.Play(copy.frames);
    Unmarked = true;
    PictureHeight = copy.natural.height();
    PictureWidth = copy.natural.width();
    const QSize natural(PictureWidth, PictureHeight);
    PlacePicture(QRect(CentredOrigin(natural, Room(natural)), natural));
    if (chkLock->isChecked()) {
        if (FitMode == 1)
            ZoomOriginal();
        if (FitMode == 2)
            ZoomFix();
        if (FitMode == 3)
            ZoomStretch();
    }
    SyncOverlay();
    panels_[0]->setText(Shown("W:" + IntToStr(PictureWidth) + " x H:" + IntToStr(PictureHeight)));
}

void TfrmShow::DecodeNeighboursAhead()
{
    const int count = pictures_.Count();
    for (const int i : {pictures_.CurrentIndex() + 1, pictures_.CurrentIndex() - 1})
        if (i >= 0 && i < count)
            ahead_.Ahead({pictures_.FullPath(i), {}, nullptr, JPEGDefaults(), true});
}

void TfrmShow::CenterPicture()
{
    Image1->move(CentredOrigin(Image1->size(), Room(Image1->size())));
    SyncOverlay();
}

void TfrmShow::SyncOverlay()
{
    PlacePicture(Image1->geometry());
    PaintBox1->setGeometry(Image1->geometry());
}

void TfrmShow::cmbZoomClick()
{
    ZoomIndex = cmbZoom->currentIndex();
    if (const std::optional<QSize> size = ZoomEntrySize(ZoomIndex, {PictureWidth, PictureHeight})) {
        Image1->resize(*size);
        CenterPicture();
    }
}

namespace {
// The list shows the entry of a step, or none once the step leaves the list.
int ListEntry(int entry)
{
    return entry >= 0 && entry < kZoomEntryCount ? entry : -1;
}
}  // namespace

void TfrmShow::ApplyZoomStep(const std::optional<TZoomStep>& step)
{
    if (!step)
        return;
    cmbZoom->setCurrentIndex(ListEntry(step->shownEntry));
    ZoomIndex = step->nextIndex;
    Image1->resize(step->size);
    CenterPicture();
}

void TfrmShow::ZoomIn()
{
    ApplyZoomStep(ZoomInStep(ZoomIndex, Image1->size()));
}

void TfrmShow::ZoomOut()
{
    ApplyZoomStep(ZoomOutStep(ZoomIndex, Image1->size()));
}

void TfrmShow::ZoomOriginal()
{
    FitMode = 1;
    Image1->resize(PictureWidth, PictureHeight);
    CenterPicture();
}

void TfrmShow::ZoomFix()
{
    FitMode = 2;
    Image1->resize(FixSize(Image1->size(), FullArea()));
    CenterPicture();
}

void TfrmShow::ZoomStretch()
{
    FitMode = 3;
    Image1->setGeometry(StretchBounds(FullArea()));
    // The overlay follows the stretched picture, so a mark lies where it is dragged.
    SyncOverlay();
}

void TfrmShow::ShowCurrent()
{
    ShowPicture(pictures_.CurrentFile(), pictures_.CurrentIndex() + 1, pictures_.Count());
}

void TfrmShow::ShowPlace()
{
    if (!isVisible())
        return;
    const QString place = PlaceText(pictures_.CurrentFile(), pictures_.CurrentIndex() + 1, pictures_.Count());
    // A picture already shown keeps the new place when a later one cannot be loaded.
    if (shownPlace_ == panels_[1]->text())
        shownPlace_ = place;
    panels_[1]->setText(place);
}

void TfrmShow::ShowNext()
{
    if (pictures_.StepForward()) {
        ShowCurrent();
        return;
    }
    // An emptied list has no first entry to go to.
    if (Dialogs().AskYesNo(std::string(kNoMore) + "\nGo First ?") && pictures_.Count() > 0) {
        pictures_.Point(0);
        ShowCurrent();
    }
}

void TfrmShow::ShowLast()
{
    if (!pictures_.StepBack()) {
        Dialogs().ShowMessage(kNoMore);
        return;
    }
    ShowCurrent();
}

void TfrmShow::sbtInfoClick()
{
    Dialogs().ShowMessage(pictures_.CurrentFile() + "\nW:" + IntToStr(PictureWidth) + " x H:" + IntToStr(PictureHeight));
}

void TfrmShow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const std::optional<TViewerCommand> command = ViewerCommandOfKey(key, modifiers & Qt::KeypadModifier);
    if (!command)
        return;
    switch (*command) {
    case TViewerCommand::MaximiseOriginal:
        // Without a window manager nothing maximises the window, so it is given the
        // whole screen first.
        setGeometry(screen()->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
        layout()->activate();
        ZoomOriginal();
        break;
    case TViewerCommand::ZoomIn:
        ZoomIn();
        break;
    case TViewerCommand::ZoomOut:
        ZoomOut();
        break;
    case TViewerCommand::ZoomOriginal:
        ZoomOriginal();
        break;
    case TViewerCommand::ZoomFix:
        ZoomFix();
        break;
    case TViewerCommand::ZoomStretch:
        ZoomStretch();
        break;
    case TViewerCommand::ShowNext:
        ShowNext();
        break;
    case TViewerCommand::ShowLast:
        ShowLast();
        break;
    case TViewerCommand::Close:
        close();
        break;
    }
}

bool TfrmShow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbZoom && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        Guarded([&] { FormKeyDown(key->key(), key->modifiers()); });
        // Space and Backspace step through the list; they never open the zoom list.
        return key->key() == Qt::Key_Space || key->key() == Qt::Key_Backspace;
    }
    // A resized window leaves the picture where it is, with the bars it then needs.
    if (watched == ScrollBox1 && event->type() == QEvent::Resize)
        ShowScrollBars();
    if (watched == PaintBox1 && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        Guarded([&] { PaintBox1MouseDown(at); });
        return true;
    }
    if (watched == PaintBox1 && event->type() == QEvent::MouseButtonRelease) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        Guarded([&] { PaintBox1MouseUp(at); });
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void TfrmShow::keyPressEvent(QKeyEvent* event)
{
    // A key the zoom list did not want comes up here after the preview saw it.
    if (focusWidget() != cmbZoom)
        Guarded([&] { FormKeyDown(event->key(), event->modifiers()); });
}

void TfrmShow::PaintBox1MouseDown(QPoint at)
{
    if (!Unmarked) {
        Image1->SetPicture(CleanPicture);
        CenterPicture();
    }
    Unmarked = true;
    MarkStart = at;
}

void TfrmShow::PaintBox1MouseUp(QPoint at)
{
    MarkEnd = at;
    // The overlay shows the picture at its shown size; the mark goes on its pixels.
    const QSize natural(Image1->Picture().Width(), Image1->Picture().Height());
    Image1->Mark(PicturePoint(MarkStart, Image1->size(), natural), PicturePoint(MarkEnd, Image1->size(), natural));
    Unmarked = false;
}
