#include "app/window/UnitMain.h"

#include "app/Artwork.h"
#include "app/window/BoardBuild.h"
#include "app/MainLayout.h"
#include "app/WindowPlace.h"
#include "app/window/WorkArea.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/DriveComboBox.h"
#include "browse/window/FileListBox.h"
#include "browse/ImageTool.h"
#include "browse/window/SelectionList.h"
#include "browse/PictureSet.h"
#include "settings/SavedPaths.h"
#include "settings/SharedSettings.h"
#include "text/AllTools.h"
#include "thumbs/window/ThumbBoard.h"
#include "toolkit/Errors.h"
#include "toolkit/window/Form.h"
#include "toolkit/WorkerPool.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QSystemTrayIcon>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

TfrmMain* frmMain = nullptr;
TAllTools MainTools;

namespace {
const char* const kCredits[] = {"Lumora picture browser", "Browse, view, show and publish your pictures."};
}

TfrmMain::TfrmMain(TPictureSet& pictures, TSharedSettings& settings, QWidget* parent)
    : QMainWindow(parent), pictures_(pictures), settings_(settings)
{
    setObjectName("frmMain");
    setWindowTitle("Lumora");
    setWindowIcon(AppIcon());
    setFont(QFont("MS Sans Serif", 8));
    setAcceptDrops(true);

    // A window smaller than the fixed layout scrolls to every control.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName("WorkScroller");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    client_ = new QWidget;
    client_->setMinimumSize(kMainLayoutExtent);
    scroller->setWidget(client_);
    setCentralWidget(scroller);
    CreateToolBar();
    CreateWorkArea();
    auto* column = new QVBoxLayout(client_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(ToolBar1);
    column->addWidget(GroupBox1);
    column->addStretch(1);
    CreateMenus();
    CreateStatusBar();
    CreateTray();
    resize(kMainDesignSize);
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate()
{
    ListView1->SetUpReportView();
    ListView1->AddColumn("Path", 200, Qt::AlignLeft);
    ListView1->AddColumn("File Name", 150, Qt::AlignRight);
    ListView1->AddColumn("Byte", 150, Qt::AlignRight);
    LoadSettings();
    LoadOwnSettings();
    State.ViewMode = kSelectShow;
    State.SortColumn = 0;
    State.SavedPathCount = 0;
    HideWorkButtons();
    ApplySelectShowLayout();
    StartTray();
    State.SavedPathCount = CountSavedPaths(SavedPathList());
    SetStatusText(kCreditPanel, kCredits[0]);
    SetStatusText(kMottoPanel, kCredits[1]);
}

std::string TfrmMain::StatusText(int panel) const
{
    return QFile::encodeName(statusPanels_.at(static_cast<std::size_t>(panel))->text()).toStdString();
}

void TfrmMain::SetStatusText(int panel, const std::string& text)
{
    statusPanels_.at(static_cast<std::size_t>(panel))->setText(QFile::decodeName(text.c_str()));
}

void TfrmMain::HideWorkButtons()
{
    for (QToolButton* b : {sbRemove, sbRemoveAll, sbSlideShow, sbThumb, sbImageTool, sbGenHTML})
        b->hide();
}

void TfrmMain::ShowWorkButtons()
{
    for (QToolButton* b : {sbRemove, sbRemoveAll, sbSlideShow, sbThumb, sbImageTool, sbGenHTML})
        b->show();
}

std::vector<QWidget*> TfrmMain::SelectShowControls() const
{
    return {sbAdd, sbAddAll, sbRemove, sbRemoveAll, sbThumb, FileListBox1, ListView1, Splitter2, Splitter3};
}

void TfrmMain::ApplySelectShowLayout()
{
    State.ViewMode = kSelectShow;
    for (QWidget* w : SelectShowControls())
        w->show();
    GroupBox1->setFixedHeight(kSelectShowSizes.workAreaHeight);
    GroupBox1->SetControlWidth(CDirectoryOutline1, kSelectShowSizes.treeWidth);
    GroupBox1->SetChain({CDirectoryOutline1, Splitter1, FileListBox1, Splitter2, ListView1, Splitter3});
    BuildThumbBoard();
}

void TfrmMain::ApplyDirectoryShowLayout()
{
    State.ViewMode = kDirectoryShow;
    for (QWidget* w : SelectShowControls())
        w->hide();
    GroupBox1->setFixedHeight(kDirectoryShowSizes.workAreaHeight);
    GroupBox1->SetControlWidth(CDirectoryOutline1, kDirectoryShowSizes.treeWidth);
    GroupBox1->SetChain({CDirectoryOutline1, Splitter1});
    BuildThumbBoard();
}

std::vector<QWidget*> TfrmMain::BrowsingControls() const
{
    return {DriveComboBox1, CDirectoryOutline1, FileListBox1, ListView1};
}

void TfrmMain::SelectShowClick()
{
    ApplySelectShowLayout();
}

void TfrmMain::DirectoryShowClick()
{
    ApplyDirectoryShowLayout();
}

void TfrmMain::PropertiesClick()
{
    Forms.Option->ShowModal();
}

void TfrmMain::AboutLumoraClick()
{
    Forms.About->ShowModal();
}

void TfrmMain::ExitClick()
{
    close();
}

void TfrmMain::popExitClick()
{
    close();
}

void TfrmMain::sbThumbClick()
{
    BuildThumbBoard();
}

void TfrmMain::sbSlideShowClick()
{
    if (Pictures().Count() > 0)
        Forms.Slide->Show();
}

void TfrmMain::sbImageToolClick()
{
    // A tool that cannot be started is not reported.
    StartImageTool(settings_.ImageTool, settings_.ImageToolPath, pictures_.CurrentFile());
}

void TfrmMain::sbGenHTMLClick()
{
    Forms.GenHTML->ShowModal();
}

// Tray

void TfrmMain::StartTray()
{
    if (settings_.ShowTray != "True" || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    TrayIcon1->show();
    trayFrame_ = 0;
    TrayIcon1->setIcon(ImageList1[0]);
    trayTimer_->start();
    update();
}

bool TfrmMain::TrayAnimating() const
{
    return trayTimer_->isActive();
}

void TfrmMain::TrayIcon1Animate()
{
    trayFrame_ = (trayFrame_ + 1) % static_cast<int>(ImageList1.size());
    TrayIcon1->setIcon(ImageList1[static_cast<std::size_t>(trayFrame_)]);
}

void TfrmMain::popRestoreClick()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // While the tray icon is there it stands in for the task-bar entry of a minimised window.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon1->isVisible())
        QTimer::singleShot(0, this, &QWidget::hide);
    // Restored from maximised, the window goes back where it was before: for a window
    // first given the whole screen, with its title bar above the screen. Once the window
    // system has moved it there, it is put on the screen.
    const Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange) {
        restoredFrom_.reset();
        if ((static_cast<QWindowStateChangeEvent*>(event)->oldState() & large)
            && !(windowState() & (large | Qt::WindowMinimized)))
            restoredFrom_ = geometry();
    }
}

void TfrmMain::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (restoredFrom_ && geometry() != *restoredFrom_)
        QTimer::singleShot(0, this, &TfrmMain::PlaceOnScreen);
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (restoredFrom_ && geometry() != *restoredFrom_)
        QTimer::singleShot(0, this, &TfrmMain::PlaceOnScreen);
}

void TfrmMain::PlaceOnScreen()
{
    if (!restoredFrom_ || geometry() == *restoredFrom_)
        return;
    restoredFrom_.reset();
    const QRect available = screen()->availableGeometry();
    if (windowState() != Qt::WindowNoState || available.contains(frameGeometry()))
        return;
    const QRect frame = frameGeometry(), inside = geometry();
    setGeometry(NormalPlace(available,
                            {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                             frame.bottom() - inside.bottom()},
                            kMainDesignSize));
}

void TfrmMain::SetBusy(bool busy)
{
    // What was enabled is given back, and only that: a board disabled by an empty list
    // stays disabled.
    for (QObject* taken : takenWhileBusy_) {
        if (auto* widget = qobject_cast<QWidget*>(taken))
            widget->setEnabled(true);
        else if (auto* action = qobject_cast<QAction*>(taken))
            action->setEnabled(true);
    }
    takenWhileBusy_.clear();
    if (!busy)
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{sbAdd, sbAddAll, sbRemove, sbRemoveAll, sbThumb, sbSlideShow,
                                                      sbImageTool, sbGenHTML, FileListBox1, ListView1, board_})
        if (w && w->isEnabled()) {
            w->setEnabled(false);
            takenWhileBusy_.emplace_back(w);
        }
    for (QAction* menu : {Path->menuAction(), Mode->menuAction(), Options->menuAction(), Help->menuAction()})
        if (menu->isEnabled()) {
            menu->setEnabled(false);
            takenWhileBusy_.emplace_back(menu);
        }
}

void TfrmMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && Busy())
        Guarded([this] { CancelJobs(); });
    else
        QMainWindow::keyPressEvent(event);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // Nothing a job works for may go while its workers still run: every window's jobs
    // and the board's decoding stop, and the pool, which runs only Lumora's work, is
    // waited for, the decoding ahead of the viewer and the show too.
    folderJob_.Cancel();
    if (board_)
        board_->Stop();
    boardBuild_.reset();
    SetBusy(false);
    for (TForm* form : {Forms.Show, Forms.About, Forms.Slide, Forms.Option, Forms.GenHTML})
        if (form)
            form->EndJobs();
    WorkerPool().waitForDone();
    QMainWindow::closeEvent(event);
    TrayIcon1->hide();
    // Closing the main window ends the program, whatever other windows are open.
    QCoreApplication::quit();
}
