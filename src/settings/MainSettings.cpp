// The main window's settings: the settings file and the Path menu's saved folders.

#include "app/UnitMain.h"
#include "browse/DirectoryOutline.h"
#include "browse/FileListBox.h"
#include "settings/SavedPaths.h"
#include "text/AllTools.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"
#include "toolkit/Platform.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace {

const char* const kCannotOpen = "Cannot open output file.";

bool SettingsFileExists()
{
    return QFileInfo::exists(QFile::decodeName(SettingsFilePath().c_str()));
}

} // namespace

void TfrmMain::LoadSettings()
{
    // A file that is there is read even when it cannot be written: replacing it with
    // defaults would lose what it holds.
    if (!SettingsFileExists())
        WriteDefaultSettings();
    ReadSettings();
}

void TfrmMain::WriteDefaultSettings()
{
    if (!SaveSettingsFile(SettingsFilePath(), DefaultSettings(PlatformDefaultSettings()), *MainTools))
        Dialogs().ShowMessage(kCannotOpen);
}

TSettings TfrmMain::CurrentSettings() const
{
    TSettings s;
    s.BrowseColor = ControlColor(FileListBox1, clInfoBk);
    s.BrowseFontColor = ControlFontColor(FileListBox1, clBlue);
    s.BackdropColor = ViewerBackdrop;
    s.SavedPaths = SavedPathList();
    s.ShowTray = ShowTray;
    s.SlideShowPath = SlideShowPath;
    s.SlideDelay = SlideDelay;
    s.ImageTool = ImageTool;
    s.ImageToolPath = ImageToolPath;
    s.HtmlGetFilePath = HtmlGetFilePath;
    s.HtmlThumbMode = HtmlThumbMode;
    s.HtmlThumbPixelsWidth = HtmlThumbPixelsWidth;
    s.HtmlThumbPixelsHeight = HtmlThumbPixelsHeight;
    s.HtmlThumbPercentWidth = HtmlThumbPercentWidth;
    s.HtmlThumbPercentHeight = HtmlThumbPercentHeight;
    return s;
}

void TfrmMain::SaveSettings()
{
    if (!SaveSettingsFile(SettingsFilePath(), CurrentSettings(), *MainTools))
        Dialogs().ShowMessage(kCannotOpen);
}

void TfrmMain::ReadSettings()
{
    TSettings s = CurrentSettings();
    s.SavedPaths.clear();
    const std::optional<TColorsRead> read = LoadSettingsFile(SettingsFilePath(), s, *MainTools);
    if (!read) {
        Dialogs().ShowMessage(kCannotOpen);
        return;
    }
    for (QWidget* control : BrowsingControls()) {
        if (read->BrowseColor)
            SetControlColor(control, s.BrowseColor);
        if (read->BrowseFontColor)
            SetControlFontColor(control, s.BrowseFontColor);
    }
    if (read->BackdropColor)
        ViewerBackdrop = s.BackdropColor;
    for (const TSavedPathEntry& entry : s.SavedPaths)
        NewPathEntry = AddSavedPathEntry(entry.name, entry.caption);
    ShowTray = s.ShowTray;
    SlideShowPath = s.SlideShowPath;
    SlideDelay = s.SlideDelay;
    ImageTool = s.ImageTool;
    ImageToolPath = s.ImageToolPath;
    HtmlGetFilePath = s.HtmlGetFilePath;
    HtmlThumbMode = s.HtmlThumbMode;
    HtmlThumbPixelsWidth = s.HtmlThumbPixelsWidth;
    HtmlThumbPixelsHeight = s.HtmlThumbPixelsHeight;
    HtmlThumbPercentWidth = s.HtmlThumbPercentWidth;
    HtmlThumbPercentHeight = s.HtmlThumbPercentHeight;
}

void TfrmMain::ResetSettings()
{
    if (!SettingsFileExists())
        return;
    QFile::remove(QFile::decodeName(SettingsFilePath().c_str()));
    Dialogs().ShowMessage("Please re-execute programs.", TMessageKind::Information);
    close();
}

void TfrmMain::DefaultClick()
{
    ResetSettings();
}

// Saved paths

QAction* TfrmMain::AddSavedPathEntry(const std::string& name, const std::string& caption)
{
    auto* entry = new QAction(Path);
    entry->setObjectName(QString::fromStdString(name));
    SetEntryCaption(entry, caption);
    Path->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, entry] { Guarded([&] { FormClick(entry); }); });
    savedPathEntries_.push_back(entry);
    return entry;
}

// The caption is kept as the file system's bytes; the menu shows it decoded.
void TfrmMain::SetEntryCaption(QAction* entry, const std::string& caption)
{
    entry->setData(QByteArray::fromStdString(caption));
    entry->setText(QFile::decodeName(caption.c_str()));
}

std::string TfrmMain::EntryCaption(const QAction* entry) const
{
    return entry->data().toByteArray().toStdString();
}

const std::vector<QAction*>& TfrmMain::SavedPathEntries() const
{
    return savedPathEntries_;
}

std::vector<TSavedPathEntry> TfrmMain::SavedPathList() const
{
    std::vector<TSavedPathEntry> list;
    for (const QAction* entry : savedPathEntries_)
        list.push_back({entry->objectName().toStdString(), EntryCaption(entry)});
    return list;
}

void TfrmMain::RecordSavedPath(const std::string& folder)
{
    const int slot = SavedPathSlot(SavedPathCount);
    // A hand-edited file may have left out some entries; their slots hold nothing.
    if (static_cast<std::size_t>(slot) < savedPathEntries_.size())
        SetEntryCaption(savedPathEntries_[static_cast<std::size_t>(slot)], SavedPathCaption(slot, folder));
    SavedPathCount = slot + 1;
}

void TfrmMain::SavePathClick()
{
    SaveSettings();
}

void TfrmMain::CleanPathClick()
{
    for (std::size_t k = 0; k < savedPathEntries_.size() && k < 10; ++k)
        SetEntryCaption(savedPathEntries_[k], SavedPathCaption(static_cast<int>(k), ""));
}

void TfrmMain::FormClick(QObject* Sender)
{
    auto* entry = qobject_cast<QAction*>(Sender);
    if (!entry)
        return;
    const std::string folder = SavedPathFolder(EntryCaption(entry), *MainTools);
    if (folder != "0")
        CDirectoryOutline1->SetDirectory(folder);
}
