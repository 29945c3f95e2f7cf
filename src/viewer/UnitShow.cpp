#include "viewer/UnitShow.h"

#include "app/Artwork.h"
#include "app/UnitMain.h"
#include "browse/SelectionList.h"
#include "imaging/JPEGImage.h"
#include "toolkit/ControlColor.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"
#include "toolkit/RunTime.h"
#include "viewer/ViewerImage.h"
#include "viewer/ViewerZoom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TfrmShow* frmShow = nullptr;

namespace {

constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 40;
constexpr int kStatusBarHeight = 31;
constexpr TColor clNavy = 0x00800000;
const char* const kLoadFailed = "Could not load or alter JPEG Files";
const char* const kNoMore = "No More Last Picture !!";

QWidget* Gap(QWidget* parent, int width)
{
    auto* gap = new QWidget(parent);
    gap->setFixedSize(width, kButtonHeight);
    return gap;
}

// Counts a box of the viewer's own while it is open.
class TOwnBox {
public:
    explicit TOwnBox(int& open) : open_(open) { ++open_; }
    ~TOwnBox() { --open_; }
    TOwnBox(const TOwnBox&) = delete;
    TOwnBox& operator=(const TOwnBox&) = delete;

private:
    int& open_;
};

QString Shown(const std::string& text)
{
    return QFile::decodeName(text.c_str());
}

}  // namespace

TfrmShow::TfrmShow(QWidget* parent) : TForm("frmShow", "Show Picture", parent)
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
    SetBackdrop(frmMain->ViewerBackdrop);
}

QToolButton* TfrmShow::AddButton(const char* name, const char* hint, void (TfrmShow::*handler)())
{
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setAutoRaise(true);
    // A flat speed button never takes the focus, so Space and Backspace stay the viewer's.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setIcon(ToolIcon(name));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(hint);
    // Screen readers have only the hint to tell the picture buttons apart.
    button->setAccessibleName(hint);
    Connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TfrmShow::CreateToolBar()
{
    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName("ToolBar1");
    auto* rows = new QVBoxLayout(ToolBar1);
    rows->setContentsMargins(0, 2, 0, 2);
    rows->setSpacing(2);

    auto* first = new QHBoxLayout;
    first->setSpacing(0);
    first->addWidget(Gap(ToolBar1, 97));
    first->addWidget(sbtInfo = AddButton("sbtInfo", "Information", &TfrmShow::sbtInfoClick));
    first->addWidget(Gap(ToolBar1, 66));
    first->addWidget(sbtZoomIn = AddButton("sbtZoomIn", "Zoom In {= or Ctrl ++}", &TfrmShow::ZoomIn));
    first->addWidget(sbtZoomOut = AddButton("sbtZoomOut", "Zoom Out {- or Ctrl +-}", &TfrmShow::ZoomOut));
    first->addWidget(sbtZoomOriginal = AddButton("sbtZoomOriginal", "Zoom Original {F5}", &TfrmShow::ZoomOriginal));
    first->addWidget(sbtZoomFix = AddButton("sbtZoomFix", "Zoom Fix {F6}", &TfrmShow::ZoomFix));
    first->addWidget(sbtZoomStretch = AddButton("sbtZoomStretch", "Stretch {F7}", &TfrmShow::ZoomStretch));
    first->addStretch(1);

    cmbZoom = new QComboBox(ToolBar1);
    cmbZoom->setObjectName("cmbZoom");
    cmbZoom->setEditable(false);
    cmbZoom->setFixedWidth(81);
    // Clicked, then chosen with the mouse or the arrow keys; it is never given the focus
    // when the window opens, and Space never opens it.
    cmbZoom->setFocusPolicy(Qt::ClickFocus);
    cmbZoom->setToolTip("Zoom X");
    cmbZoom->setAccessibleName("Zoom X");
    QFont listFont = cmbZoom->font();
    listFont.setPixelSize(16);
    cmbZoom->setFont(listFont);
    SetControlFontColor(cmbZoom, clNavy);
    auto* items = new QListView(cmbZoom);
    items->setStyleSheet("QListView::item { height: 20px; }");
    cmbZoom->setView(items);
    cmbZoom->installEventFilter(this);
    connect(cmbZoom, &QComboBox::activated, this, [this] { Guarded([this] { cmbZoomClick(); }); });

    chkLock = new QCheckBox("Lock Mode", ToolBar1);
    chkLock->setObjectName("chkLock");
    chkLock->setFocusPolicy(Qt::NoFocus);
    QFont lockFont = chkLock->font();
    lockFont.setPixelSize(15);
    lockFont.setBold(true);
    chkLock->setFont(lockFont);
    SetControlFontColor(chkLock, clHotLight);

    auto* second = new QHBoxLayout;
    second->setSpacing(0);
    second->addWidget(cmbZoom);
    second->addWidget(Gap(ToolBar1, 30));
    second->addWidget(sbtLast = AddButton("sbtLast", "Last {Back Spcae}", &TfrmShow::ShowLast));
    second->addWidget(sbtNext = AddButton("sbtNext", "Next {Space}", &TfrmShow::ShowNext));
    second->addWidget(Gap(ToolBar1, 39));
    second->addWidget(chkLock);
    second->addStretch(1);

    rows->addLayout(first);
    rows->addLayout(second);
}

void TfrmShow::CreateArea()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setWidgetResizable(false);
    // What the area scrolls over: the picture's bounds from the area's top left.
    auto* content = new QWidget;
    ScrollBox1->setWidget(content);
    Image1 = new TViewerImage(content);
    Image1->setObjectName("Image1");
    PaintBox1 = new QWidget(content);
    PaintBox1->setObjectName("PaintBox1");
    PaintBox1->installEventFilter(this);
    PlacePicture(QRect());
}

void TfrmShow::CreateStatusBar()
{
    StatusBar1 = new QWidget(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setFixedHeight(kStatusBarHeight);
    auto* row = new QHBoxLayout(StatusBar1);
    row->setContentsMargins(0, 2, 0, 2);
    row->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        panels_[i] = new QLabel(StatusBar1);
        panels_[i]->setObjectName(QString("Panel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        row->addWidget(panels_[i], i);
    }
    panels_[0]->setFixedWidth(200);
}

void TfrmShow::SetBackdrop(TColor color)
{
    SetControlColor(ScrollBox1, color);
}

QString TfrmShow::PanelText(int panel) const
{
    return panels_[panel]->text();
}

QSize TfrmShow::AreaSize() const
{
    return ScrollBox1->viewport()->size();
}

void TfrmShow::PlacePicture(const QRect& bounds)
{
    Image1->setGeometry(bounds);
    ScrollBox1->widget()->resize(std::max(bounds.right() + 1, 0), std::max(bounds.bottom() + 1, 0));
}

bool TfrmShow::event(QEvent* event)
{
    // Coming back from another window of the program is an activation; the closing
    // of one of the viewer's own boxes is not.
    if (event->type() == QEvent::WindowDeactivate)
        lostToOwnBox_ = ownBoxes_ > 0;
    if (event->type() == QEvent::WindowActivate) {
        if (lostToOwnBox_)
            lostToOwnBox_ = false;
        else
            Guarded([this] { FormActivate(); });
    }
    if (event->type() == QEvent::Hide)
        ahead_.Drop();
    return TForm::event(event);
}

void TfrmShow::setVisible(bool visible)
{
    // Each opening is centred on the main window.
    if (visible && !isVisible())
        move(frmMain->frameGeometry().center() - rect().center());
    TForm::setVisible(visible);
}

void TfrmShow::Tell(const std::string& text)
{
    const TOwnBox box(ownBoxes_);
    Dialogs().ShowMessage(text);
}

bool TfrmShow::Ask(const std::string& text)
{
    const TOwnBox box(ownBoxes_);
    return Dialogs().AskYesNo(text);
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
    ShowPicture(frmMain->CurrentFile, frmMain->CurrentIndex + 1, frmMain->ListView1->RowCount());
}

void TfrmShow::ShowPicture(const std::string& path, int position, int total)
{
    const TDisplayCopy copy = ahead_.Take({path, {}, nullptr, JPEGDefaults(), true});
    if (!copy.error.empty()) {
        // The previous picture stays, with its clean copy, its mark and its texts.
        Tell(kLoadFailed);
        return;
    }
    CleanPicture = TBitmap(copy.image);
    Image1->SetPicture(CleanPicture);
    Unmarked = true;
    PictureHeight = copy.natural.height();
    PictureWidth = copy.natural.width();
    const QSize natural(PictureWidth, PictureHeight);
    PlacePicture(QRect(CentredOrigin(natural, AreaSize()), natural));
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
    panels_[1]->setText(Shown(path + "   ( " + IntToStr(position) + "/" + IntToStr(total) + " )"));
    DecodeNeighboursAhead();
}

void TfrmShow::DecodeNeighboursAhead()
{
    const int count = frmMain->ListView1->RowCount();
    for (const int i : {frmMain->CurrentIndex + 1, frmMain->CurrentIndex - 1})
        if (i >= 0 && i < count)
            ahead_.Ahead({RowFullPath(frmMain->ListView1->Row(i)), {}, nullptr, JPEGDefaults(), true});
}

void TfrmShow::CenterPicture()
{
    Image1->move(CentredOrigin(Image1->size(), AreaSize()));
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
    Image1->resize(FixSize(Image1->size(), AreaSize()));
    CenterPicture();
}

void TfrmShow::ZoomStretch()
{
    FitMode = 3;
    Image1->setGeometry(StretchBounds(AreaSize()));
    // The overlay follows the stretched picture, so a mark lies where it is dragged.
    SyncOverlay();
}

void TfrmShow::ShowEntry(int index)
{
    frmMain->CurrentIndex = index;
    frmMain->CurrentFile = RowFullPath(frmMain->ListView1->Row(index));
    ShowPicture(frmMain->CurrentFile, index + 1, frmMain->ListView1->RowCount());
}

void TfrmShow::ShowNext()
{
    const int last = frmMain->ListView1->RowCount() - 1;
    if (frmMain->CurrentIndex < last) {
        ShowEntry(frmMain->CurrentIndex + 1);
        return;
    }
    // An emptied list has no first entry to go to.
    if (Ask(std::string(kNoMore) + "\nGo First ?") && last >= 0)
        ShowEntry(0);
}

void TfrmShow::ShowLast()
{
    // A list shortened behind the viewer's back is stepped back into from its end.
    const int previous = std::min(frmMain->CurrentIndex - 1, frmMain->ListView1->RowCount() - 1);
    if (frmMain->CurrentIndex < 1 || previous < 0) {
        Tell(kNoMore);
        return;
    }
    ShowEntry(previous);
}

void TfrmShow::sbtInfoClick()
{
    Tell(frmMain->CurrentFile + "\nW:" + IntToStr(PictureWidth) + " x H:" + IntToStr(PictureHeight));
}

void TfrmShow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad's plus and minus are not bound; with Ctrl, "=" and "-" take one step.
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Without a window manager nothing maximises the window, so it is given the
        // whole screen first.
        setGeometry(screen()->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
        layout()->activate();
        ZoomOriginal();
    }
    if ((key == Qt::Key_Equal || key == Qt::Key_Plus) && !keypad)
        ZoomIn();
    if ((key == Qt::Key_Minus || key == Qt::Key_Underscore) && !keypad)
        ZoomOut();
    if (key == Qt::Key_F5)
        ZoomOriginal();
    if (key == Qt::Key_F6)
        ZoomFix();
    if (key == Qt::Key_F7)
        ZoomStretch();
    if (key == Qt::Key_Space)
        ShowNext();
    if (key == Qt::Key_Backspace)
        ShowLast();
    if (key == Qt::Key_Escape)
        close();
}

bool TfrmShow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmbZoom && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        Guarded([&] { FormKeyDown(key->key(), key->modifiers()); });
        // Space and Backspace step through the list; they never open the zoom list.
        return key->key() == Qt::Key_Space || key->key() == Qt::Key_Backspace;
    }
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
    Image1->Mark(MarkStart, MarkEnd);
    Unmarked = false;
}
