// The main window's settings: the settings file and the Path menu's saved folders.

#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "settings/SavedPaths.h"
#include "settings/SharedSettings.h"
#include "text/AllTools.h"
#include "toolkit/window/ControlColor.h"
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
    SaveSettingsReporting(SettingsFilePath(), DefaultSettings(PlatformDefaultSettings()), TBrowseSettings{}, MainTools);
}

TBrowseSettings TfrmMain::BrowseSettings() const
{
    return {ControlColor(FileListBox1, clInfoBk), ControlFontColor(FileListBox1, clBlue), SavedPathList()};
}

void TfrmMain::SaveSettings()
{
    SaveSettingsReporting(SettingsFilePath(), settings_, BrowseSettings(), MainTools);
}

void TfrmMain::ReadSettings()
{
    TBrowseSettings browse;
    const std::optional<TColorsRead> read = LoadSettingsFile(SettingsFilePath(), settings_, browse, MainTools);
    if (!read) {
        Dialogs().ShowMessage(kCannotOpen);
        return;
    }
    for (QWidget* control : BrowsingControls()) {
        if (read->BrowseColor)
            SetControlColor(control, browse.BrowseColor);
        if (read->BrowseFontColor)
            SetControlFontColor(control, browse.BrowseFontColor);
    }
    for (const TSavedPathEntry& entry : browse.SavedPaths)
        NewPathEntry = AddSavedPathEntry(entry.name, entry.caption);
}

TOptionsTarget::TBrowseColors TfrmMain::BrowseColors() const
{
    // The four browsing controls share their colours; the first is the drive box.
    const QWidget* driveBox = BrowsingControls().front();
    return {ControlColor(driveBox, clInfoBk), ControlFontColor(driveBox, clBlue)};
}

void TfrmMain::ApplyOptions(const TOptionValues& values)
{
    const std::vector<QWidget*> controls = BrowsingControls();
    for (QWidget* control : controls)
        SetControlColor(control, values.BrowseColor);
    for (QWidget* control : controls)
        SetControlFontColor(control, values.BrowseFontColor);
    // Shows "Cannot open output file." itself; what was applied stays applied.
    SaveSettings();
}

void TfrmMain::ResetSettings()
{
    if (!SettingsFileExists())
        return;
    const std::string path = SettingsFilePath();
    // Ending the program as if the file were gone would have the next start read it again.
    if (!QFile::remove(QFile::decodeName(path.c_str()))) {
        Dialogs().ShowMessage("Cannot delete the settings file " + path + ".");
        return;
    }
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
    const TSavedPathRecord record = RecordInSlot(SavedPathCount, folder);
    // A hand-edited file may have left out some entries; their slots hold nothing.
    if (static_cast<std::size_t>(record.slot) < savedPathEntries_.size())
        SetEntryCaption(savedPathEntries_[static_cast<std::size_t>(record.slot)], record.caption);
    SavedPathCount = record.nextCount;
}

void TfrmMain::SavePathClick()
{
    SaveSettings();
}

void TfrmMain::CleanPathClick()
{
    for (std::size_t k = 0; k < savedPathEntries_.size() && k < static_cast<std::size_t>(kSavedPathSlots); ++k)
        SetEntryCaption(savedPathEntries_[k], SavedPathCaption(static_cast<int>(k), ""));
}

void TfrmMain::FormClick(QObject* Sender)
{
    auto* entry = qobject_cast<QAction*>(Sender);
    if (!entry)
        return;
    const std::string folder = SavedPathFolder(EntryCaption(entry), MainTools);
    if (folder != "0")
        CDirectoryOutline1->SetDirectory(folder);
}
