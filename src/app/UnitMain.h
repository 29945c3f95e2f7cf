#pragma once
// The main window: tool bar, folder browser, file list, selection list, status bar
// and tray icon, and the state the other windows share (MainState).

#include "settings/SettingsFile.h"
#include "toolkit/Color.h"

#include <QIcon>
#include <QMainWindow>

#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QToolButton;
class TCDirectoryOutline;
class TDriveComboBox;
class TFileListBox;
class TSelectionList;
class TSplitter;
class TWorkArea;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // MainState
    QAction* NewPathEntry = nullptr;  // the saved-path entry the settings reader made last
    std::int32_t SortColumn = 0;      // selection-list column last clicked; 0 = Path
    std::int32_t ViewMode = 1;        // 1 = Select Show, 2 = Directory Show
    std::int32_t SavedPathCount = 0;  // next saved-path slot, 0-10 (10 stands for 0)
    int WorkRow = -1;                 // row last added to the selection list
    std::string CurrentFile;
    std::int32_t CurrentIndex = 0;
    std::string ImageToolPath;
    std::string ImageTool;
    std::string SlideDelay;
    std::string SlideShowPath;
    std::string ShowTray;
    std::string HtmlGetFilePath;
    std::string HtmlThumbPixelsHeight;
    std::string HtmlThumbPixelsWidth;
    std::string HtmlThumbPercentHeight;
    std::string HtmlThumbPercentWidth;
    std::int32_t HtmlThumbMode = 0;
    // The viewer's backdrop colour, kept in the settings file's third colour line.
    TColor ViewerBackdrop = clInfoBk;

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

    // Status bar panels: 0 folder count, 1 selection count, 2 and 3 credits.
    std::string StatusText(int panel) const;
    void SetStatusText(int panel, const std::string& text);
    // Whether the tray icon is animating its frames.
    bool TrayAnimating() const;

    void HideWorkButtons();
    void ShowWorkButtons();
    void ApplySelectShowLayout();
    void ApplyDirectoryShowLayout();
    // Appends the row of file name in folder; false when its size cannot be read.
    bool AddPictureRow(const std::string& folder, const std::string& name);
    void BuildThumbBoard();
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

private:
    void CreateToolBar();
    void CreateWorkArea();
    void CreateMenus();
    void CreateStatusBar();
    void CreateTray();
    void StartTray();
    void ShowSelectedCount();
    // The controls that only the Select Show layout shows.
    std::vector<QWidget*> SelectShowControls() const;
    QToolButton* AddToolButton(const char* name, const char* hint, void (TfrmMain::*handler)());
    QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, void (TfrmMain::*handler)());
    QAction* AddSeparator(QMenu* menu, const char* name);

    void SetEntryCaption(QAction* entry, const std::string& caption);
    std::vector<TSavedPathEntry> SavedPathList() const;
    TSettings CurrentSettings() const;
    QAction* AddSavedPathEntry(const std::string& name, const std::string& caption);

    std::vector<QLabel*> statusPanels_;
    std::vector<QAction*> savedPathEntries_;
    std::vector<QIcon> ImageList1;
    int trayFrame_ = 0;
    QTimer* trayTimer_ = nullptr;
};

extern TfrmMain* frmMain;

class TAllTools;
// The main window unit's own text tools.
extern TAllTools* const MainTools;
