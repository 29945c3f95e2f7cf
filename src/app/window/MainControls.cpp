// The main window's controls, made once when the window is created.

#include "app/Artwork.h"
#include "app/MainLayout.h"
#include "app/window/UnitMain.h"
#include "app/window/WorkArea.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/DriveComboBox.h"
#include "browse/window/FileListBox.h"
#include "browse/PictureSet.h"
#include "browse/window/SelectionList.h"
#include "toolkit/window/ControlColor.h"
#include "toolkit/Errors.h"
#include "toolkit/Platform.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kToolBarHeight = 45;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 40;
// Left of the buttons, the drive box sits over a blank of this width.
constexpr int kDriveSpaceWidth = 257;
constexpr int kDriveBoxWidth = 177;
constexpr int kButtonGroupGap = 80;
// The status panels' widths, in TStatusPanel order.
constexpr int kStatusPanelWidths[] = {200, 200, 250, 400};

QWidget* Spacer(QWidget* parent, int width)
{
    auto* spacer = new QWidget(parent);
    spacer->setFixedSize(width, kToolBarHeight);
    return spacer;
}

// The four browsing controls share one look.
void StyleBrowsingControl(QWidget* control, const char* hint)
{
    control->setToolTip(hint);
    QFont font("新細明體");
    font.setPixelSize(16);
    control->setFont(font);
    SetControlColor(control, clInfoBk);
    SetControlFontColor(control, clBlue);
}

} // namespace

QToolButton* TfrmMain::AddToolButton(const char* name, const char* hint, void (TfrmMain::*handler)())
{
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setIcon(ToolIcon(name));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(hint);
    // Screen readers have only the hint to tell the picture buttons apart.
    button->setAccessibleName(hint);
    ToolBar1->layout()->addWidget(button);
    Connect(button, &QToolButton::clicked, this, handler);
    return button;
}

void TfrmMain::CreateToolBar()
{
    ToolBar1 = new QWidget(client_);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setFixedHeight(kToolBarHeight);
    auto* bar = new QHBoxLayout(ToolBar1);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);

    QWidget* driveSpace = Spacer(ToolBar1, kDriveSpaceWidth);
    bar->addWidget(driveSpace);
    DriveComboBox1 = new TDriveComboBox(driveSpace);
    DriveComboBox1->setObjectName("DriveComboBox1");
    DriveComboBox1->setGeometry(8, (kToolBarHeight - 26) / 2, kDriveBoxWidth, 26);
    StyleBrowsingControl(DriveComboBox1, "Select Drive.");
    DriveComboBox1->setAccessibleName("Select Drive.");

    sbAdd = AddToolButton("sbAdd", "Add Picture", &TfrmMain::sbAddClick);
    sbAddAll = AddToolButton("sbAddAll", "Add All Pictures", &TfrmMain::sbAddAllClick);
    bar->addWidget(Spacer(ToolBar1, kButtonGroupGap));
    sbRemove = AddToolButton("sbRemove", "Remove Picture", &TfrmMain::sbRemoveClick);
    sbRemoveAll = AddToolButton("sbRemoveAll", "Remove All Pictures", &TfrmMain::sbRemoveAllClick);
    bar->addWidget(Spacer(ToolBar1, kButtonGroupGap));
    sbThumb = AddToolButton("sbThumb", "Show Thumb", &TfrmMain::sbThumbClick);
    sbSlideShow = AddToolButton("sbSlideShow", "Slide Show", &TfrmMain::sbSlideShowClick);
    sbImageTool = AddToolButton("sbImageTool", "Image Tool", &TfrmMain::sbImageToolClick);
    sbGenHTML = AddToolButton("sbGenHTML", "Generate HTML", &TfrmMain::sbGenHTMLClick);
    bar->addStretch(1);
}

void TfrmMain::CreateWorkArea()
{
    GroupBox1 = new TWorkArea(client_);
    GroupBox1->setObjectName("GroupBox1");

    CDirectoryOutline1 = new TCDirectoryOutline(GroupBox1);
    CDirectoryOutline1->setObjectName("CDirectoryOutline1");
    StyleBrowsingControl(CDirectoryOutline1, "Select Directory.");
    Splitter1 = new TSplitter("Splitter1", GroupBox1);

    FileListBox1 = new TFileListBox(GroupBox1);
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->SetMask("*.jpg;*.bmp");
    StyleBrowsingControl(FileListBox1, "*.jpg;*.jpeg,*.bmp,*.ico,*.emf,*.wmf");
    Splitter2 = new TSplitter("Splitter2", GroupBox1);

    ListView1 = new TSelectionList(pictures_.Model(), GroupBox1);
    ListView1->setObjectName("ListView1");
    const char* const listHint = "Double click to show picture.";
    StyleBrowsingControl(ListView1, listHint);
    ListView1->SetHint(listHint);
    Splitter3 = new TSplitter("Splitter3", GroupBox1);

    GroupBox1->SetControlWidth(CDirectoryOutline1, kSelectShowSizes.treeWidth);
    GroupBox1->SetControlWidth(FileListBox1, kFileListWidth);
    GroupBox1->SetControlWidth(ListView1, kSelectionListWidth);
    DriveComboBox1->SetDrives(DriveList(), FileListBox1->Directory());

    Connect(DriveComboBox1, &TDriveComboBox::changed, this, &TfrmMain::DriveComboBox1Change);
    Connect(CDirectoryOutline1, &TCDirectoryOutline::changed, this, &TfrmMain::CDirectoryOutline1Change);
    Connect(FileListBox1, &TFileListBox::doubleClicked, this, &TfrmMain::FileListBox1DblClick);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { Guarded([&] { ListView1ColumnClick(column); }); });
    Connect(ListView1, &TSelectionList::clickedList, this, &TfrmMain::ListView1Click);
    Connect(ListView1, &TSelectionList::doubleClickedList, this, &TfrmMain::ListView1DblClick);
    Connect(ListView1, &TSelectionList::enterPressed, this, &TfrmMain::ListView1DblClick);
    Connect(ListView1, &TSelectionList::deletePressed, this, &TfrmMain::sbRemoveClick);
}

QAction* TfrmMain::AddMenuItem(QMenu* menu, const char* name, const char* caption, void (TfrmMain::*handler)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    Connect(item, &QAction::triggered, this, handler);
    return item;
}

QAction* TfrmMain::AddSeparator(QMenu* menu, const char* name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

void TfrmMain::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    Path = bar->addMenu("&Path");
    Path->setObjectName("Path");
    SavePath = AddMenuItem(Path, "SavePath", "&Save Path", &TfrmMain::SavePathClick);
    CleanPath = AddMenuItem(Path, "CleanPath", "&Clean Path", &TfrmMain::CleanPathClick);
    N2 = AddSeparator(Path, "N2");

    Mode = bar->addMenu("&Mode");
    Mode->setObjectName("Mode");
    SelectShow = AddMenuItem(Mode, "SelectShow", "&Select Show", &TfrmMain::SelectShowClick);
    N1 = AddSeparator(Mode, "N1");
    DirectoryShow = AddMenuItem(Mode, "DirectoryShow", "&Directory Show", &TfrmMain::DirectoryShowClick);
    N5 = AddSeparator(Mode, "N5");
    AllPictureTypes = AddMenuItem(Mode, "AllPictureTypes", "&All Picture Types", &TfrmMain::AllPictureTypesClick);
    AllPictureTypes->setCheckable(true);

    Options = bar->addMenu("&Options");
    Options->setObjectName("Options");
    Properties = AddMenuItem(Options, "Properties", "Properties", &TfrmMain::PropertiesClick);
    N3 = AddSeparator(Options, "N3");
    Default = AddMenuItem(Options, "Default", "&Default", &TfrmMain::DefaultClick);

    Help = bar->addMenu("&Help");
    Help->setObjectName("Help");
    AboutLumora = AddMenuItem(Help, "AboutLumora", "&About Lumora", &TfrmMain::AboutLumoraClick);

    // Exit is an item of the menu bar itself.
    Exit = bar->addAction("&Exit");
    Exit->setObjectName("Exit");
    Connect(Exit, &QAction::triggered, this, &TfrmMain::ExitClick);
}

void TfrmMain::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    for (int width : kStatusPanelWidths) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QString("Panel%1").arg(statusPanels_.size()));
        panel->setFixedWidth(width);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
        statusPanels_.push_back(panel);
    }
}

void TfrmMain::CreateTray()
{
    TrayIcon1 = new QSystemTrayIcon(this);
    TrayIcon1->setObjectName("TrayIcon1");
    TrayIcon1->setToolTip("Lumora");
    ImageList1 = TrayFrames();
    TrayIcon1->setIcon(ImageList1.front());

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    popRestore = AddMenuItem(PopupMenu1, "popRestore", "Restore", &TfrmMain::popRestoreClick);
    N4 = AddSeparator(PopupMenu1, "N4");
    popExit = AddMenuItem(PopupMenu1, "popExit", "Exit", &TfrmMain::popExitClick);
    TrayIcon1->setContextMenu(PopupMenu1);

    connect(TrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            Guarded([&] { popRestoreClick(); });
    });
    boardAfterFolder_ = new QTimer(this);
    boardAfterFolder_->setSingleShot(true);
    boardAfterFolder_->setInterval(0);
    Connect(boardAfterFolder_, &QTimer::timeout, this, &TfrmMain::BuildAfterFolder);
    trayTimer_ = new QTimer(this);
    trayTimer_->setInterval(1500);
    Connect(trayTimer_, &QTimer::timeout, this, &TfrmMain::TrayIcon1Animate);
}
