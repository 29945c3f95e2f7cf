#pragma once
// The main window: tool bar, folder browser, file list, selection list, status bar
// and tray icon. It is handed the picture set and the settings that every window shares.

#include "app/MainState.h"
#include "browse/OpenedPaths.h"
#include "options/OptionValues.h"
#include "settings/OwnSettings.h"
#include "thumbs/ThumbCache.h"
#include "toolkit/OrderedJobs.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolButton;
struct TBoardBuild;
struct TBoardEnd;
class TCDirectoryOutline;
class TForm;
class TDriveComboBox;
class TFileListBox;
class TSelectionList;
class TPictureSet;
class TSharedSettings;
class TSplitter;
class TThumbBoard;
class TWorkArea;

// The status bar's panels.
enum TStatusPanel : int {
    kFolderCountPanel = 0,    // "Total N File(s)."
    kSelectedCountPanel = 1,  // "Selected N File(s)."
    kCreditPanel = 2,
    kMottoPanel = 3,
};

// The windows the main window opens. They are made after it, so they are handed over
// once all six exist; the main window knows them only as windows.
struct TSecondaryForms {
    TForm* Show = nullptr;
    TForm* About = nullptr;
    TForm* Slide = nullptr;
    TForm* Option = nullptr;
    TForm* GenHTML = nullptr;
};

class TfrmMain : public QMainWindow, public TOptionsTarget {
    Q_OBJECT
public:
    // Loads the settings into settings, so the windows made after it find them read.
    TfrmMain(TPictureSet& pictures, TSharedSettings& settings, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TSecondaryForms Forms;
    // The main window's own state; what the windows share is handed to it.
    TMainState State;

    // Tool bar
    QWidget* ToolBar1 = nullptr;
    TDriveComboBox* DriveComboBox1 = nullptr;
    QToolButton* sbAdd = nullptr;
    QToolButton* sbAddAll = nullptr;
    QToolButton* sbRemove = nullptr;
    QToolButton* sbRemoveAll = nullptr;
    QToolButton* sbThumb = nullptr;
    QToolButton* sbSlideShow = nullptr;
    QToolButton* sbImageTool = nullptr;
    QToolButton* sbGenHTML = nullptr;
    // Work area
    TWorkArea* GroupBox1 = nullptr;
    TCDirectoryOutline* CDirectoryOutline1 = nullptr;
    TSplitter* Splitter1 = nullptr;
    TFileListBox* FileListBox1 = nullptr;
    TSplitter* Splitter2 = nullptr;
    TSelectionList* ListView1 = nullptr;
    TSplitter* Splitter3 = nullptr;
    // Menus
    QMenu* Path = nullptr;
    QAction* SavePath = nullptr;
    QAction* CleanPath = nullptr;
    QAction* N2 = nullptr;
    QMenu* Mode = nullptr;
    QAction* SelectShow = nullptr;
    QAction* N1 = nullptr;
    QAction* DirectoryShow = nullptr;
    QAction* N5 = nullptr;
    QAction* AllPictureTypes = nullptr;
    QMenu* Options = nullptr;
    QAction* Properties = nullptr;
    QAction* N3 = nullptr;
    QAction* Default = nullptr;
    QMenu* Help = nullptr;
    QAction* AboutLumora = nullptr;
    QAction* Exit = nullptr;
    // Tray
    QSystemTrayIcon* TrayIcon1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* popRestore = nullptr;
    QAction* N4 = nullptr;
    QAction* popExit = nullptr;

    // The text of a status bar panel (TStatusPanel).
    std::string StatusText(int panel) const;
    void SetStatusText(int panel, const std::string& text);
    // Whether the tray icon is animating its frames.
    bool TrayAnimating() const;

    void HideWorkButtons();
    void ShowWorkButtons();
    void ApplySelectShowLayout();
    void ApplyDirectoryShowLayout();
    // The selection list's rows and the cursor on them, which every window shares.
    TPictureSet& Pictures() const { return pictures_; }
    TSharedSettings& Settings() const { return settings_; }
    TBrowseColors BrowseColors() const override;
    void ApplyOptions(const TOptionValues& values) override;
    // Adds the pictures' rows as Add does; the full paths of those that got none.
    std::vector<std::string> AddPictures(const std::vector<TPictureFile>& pictures);
    // What the command line names: folders move the folder tree there; pictures move it
    // to the first one's folder, are added, and the first of them opens in the viewer; one
    // picture alone opens with its folder's pictures (OpenAlone, GatherFolder). What cannot be
    // opened is named in one message.
    void OpenCommandLine(const std::vector<std::string>& paths);
    // Starts a build of the board from the selection list; it ends from the event loop.
    void BuildThumbBoard();
    // Esc: a folder change still reading stops with the list as it was; a build stops
    // where it is, as if its last placed thumbnail were its last.
    void CancelJobs();
    // A job runs: the window takes no input that would change the selection, start
    // another job or open a window.
    bool Busy() const;
    // The thumbnail board: none until the first build.
    TThumbBoard* Board() const { return board_; }
    // The four controls that share the browsing colours: drive box, folder tree,
    // file list, selection list.
    std::vector<QWidget*> BrowsingControls() const;

    // Settings file
    void LoadSettings();
    void WriteDefaultSettings();
    void SaveSettings();
    void ReadSettings();
    void ResetSettings();
    // Saved paths: the Path menu's entries in menu order, and their captions.
    const std::vector<QAction*>& SavedPathEntries() const;
    std::string EntryCaption(const QAction* entry) const;
    void RecordSavedPath(const std::string& folder);

    // Handlers
    void FormCreate();
    void FormClick(QObject* Sender);
    // A press on the board's thumbnail row or on the frame around it, and a double click
    // on thumbnail row.
    void FormMouseDown(int row);
    void FormDblClick(int row);
    void DriveComboBox1Change();
    void CDirectoryOutline1Change();
    void FileListBox1DblClick();
    void sbAddClick();
    void sbAddAllClick();
    void sbRemoveClick();
    void sbRemoveAllClick();
    void sbThumbClick();
    void sbSlideShowClick();
    void sbImageToolClick();
    void sbGenHTMLClick();
    void ListView1ColumnClick(int column);
    void ListView1Click();
    void ListView1DblClick();
    void SavePathClick();
    void CleanPathClick();
    void SelectShowClick();
    void DirectoryShowClick();
    void AllPictureTypesClick();
    void PropertiesClick();
    void DefaultClick();
    void AboutLumoraClick();
    void ExitClick();
    void popRestoreClick();
    void popExitClick();
    void TrayIcon1Animate();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Dropped pictures are added as Add adds them and a dropped folder moves the folder
    // tree there; one picture alone opens with its folder as from the command line; a
    // drag holding neither is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What appending the pictures' rows gave: the full paths of those whose size could
    // not be read (they get no row), and the folders of those added, each once.
    struct TAppended {
        std::vector<std::string> failed;
        std::vector<std::string> folders;
    };
    TAppended AppendRows(const std::vector<TPictureFile>& pictures);
    // The file list's entries, only its selected ones when asked, first to last.
    std::vector<TPictureFile> FileListPictures(bool selectedOnly) const;
    // What ends a build here: the window takes input again, CurrentFile names the last
    // placed row, and one box names the files that could not be read.
    void FinishThumbBoard(const TBoardEnd& end);
    // The board holds the thumbnails of exactly the list's rows, built and not disabled.
    bool BoardInStep() const;
    // Takes the thumbnails of removed rows (ascending) off a board in step, leaving the
    // frame and CurrentFile as a rebuild would.
    void RemoveThumbs(const std::vector<int>& rows);
    // Takes the input that could change the selection, start a job or open a window
    // away while a job runs, and gives it back.
    void SetBusy(bool busy);
    // Puts a window that was restored from maximised back on the screen.
    void PlaceOnScreen();
    void CreateToolBar();
    void CreateWorkArea();
    void CreateMenus();
    void CreateStatusBar();
    void CreateTray();
    void StartTray();
    void ShowSelectedCount();
    // Runs the folder change for folder, also when the tree is already there.
    void MoveTreeTo(const std::string& folder);
    // The paths named from outside, sorted; pictures of a type the all-types switch leaves
    // out ask first whether to show all picture types.
    TOpenedPaths SortNamedPaths(const std::vector<std::string>& paths);
    // Moves the tree to the folders, then adds the pictures; the pictures that got no row.
    std::vector<std::string> OpenPaths(const TOpenedPaths& opened);
    // One picture named from outside brings its folder. First the picture alone is the
    // selection and the current entry; its full path when it cannot be read, and then
    // nothing changes.
    std::vector<std::string> OpenAlone(const TPictureFile& picture);
    // Then the tree goes to its folder, and the folder's pictures (as Add All adds them)
    // follow as a job with the picture still current.
    void GatherFolder(const TPictureFile& picture);
    // The board of the rows a Directory Show folder change read, and the end of being busy.
    void BuildAfterFolder();
    // Select Show's job for that: the file list's pictures and their sizes, read on the pool.
    void AddFolderRows();
    // Once the folder's rows are in: the picture named from outside is the current entry
    // again, and the viewer shows its place among them.
    void PointAtNamed();
    // Mode > "All Picture Types" on or off: the file list, the board and lumora.conf follow.
    void ShowAllPictureTypes(bool on);
    // lumora.conf's switch applied at start-up.
    void LoadOwnSettings();
    // Pictures named from outside of a type the switch leaves out: asks once whether to
    // show all picture types; true when they are shown now.
    bool AskAllPictureTypes(const std::vector<std::string>& failed);
    // The controls that only the Select Show layout shows.
    std::vector<QWidget*> SelectShowControls() const;
    QToolButton* AddToolButton(const char* name, const char* hint, void (TfrmMain::*handler)());
    QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, void (TfrmMain::*handler)());
    QAction* AddSeparator(QMenu* menu, const char* name);

    void SetEntryCaption(QAction* entry, const std::string& caption);
    std::vector<TSavedPathEntry> SavedPathList() const;
    // What the settings file takes from the browsing controls and the Path menu.
    TBrowseSettings BrowseSettings() const;
    QAction* AddSavedPathEntry(const std::string& name, const std::string& caption);

    TPictureSet& pictures_;
    TSharedSettings& settings_;
    // lumora.conf as read at start-up and written since.
    TOwnSettings ownSettings_;
    // Display copies of the board's thumbnails, kept from one board to the next.
    std::shared_ptr<TThumbCache> thumbCache_ = std::make_shared<TThumbCache>(kThumbCacheBytes);
    TThumbBoard* board_ = nullptr;
    // What the window shows while a build runs.
    std::unique_ptr<TBoardBuild> boardBuild_;
    // A Directory Show folder change's listing and sizes, or the rows of a picture's folder.
    TOrderedJobs folderJob_;
    // The picture named from outside whose folder's rows are being read.
    std::optional<TPictureFile> named_;
    // The controls and menus a running job took away, to give back when it ends.
    std::vector<QPointer<QObject>> takenWhileBusy_;
    std::vector<QLabel*> statusPanels_;
    std::vector<QAction*> savedPathEntries_;
    std::vector<QIcon> ImageList1;
    // What the work area's controls are laid out on, inside the scrolling central widget.
    QWidget* client_ = nullptr;
    // Where the window was when it was restored from maximised, until it has moved.
    std::optional<QRect> restoredFrom_;
    int trayFrame_ = 0;
    QTimer* trayTimer_ = nullptr;
    // A Directory Show folder change's board, started once its rows are in.
    QTimer* boardAfterFolder_ = nullptr;
};

extern TfrmMain* frmMain;

class TAllTools;
// The main window unit's own text tools.
extern TAllTools MainTools;
