// The picture viewer's controls, made once when the window is created.

#include "app/Artwork.h"
#include "toolkit/window/ControlColor.h"
#include "toolkit/Errors.h"
#include "viewer/window/UnitShow.h"
#include "viewer/window/ViewerImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 40;
constexpr int kStatusBarHeight = 31;
constexpr TColor clNavy = 0x00800000;

QWidget* Gap(QWidget* parent, int width)
{
    auto* gap = new QWidget(parent);
    gap->setFixedSize(width, kButtonHeight);
    return gap;
}

}  // namespace

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
    ScrollBox1->installEventFilter(this);
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
