// Mode > "All Picture Types": the switch, kept in lumora.conf, and the question a picture
// of a type it leaves out asks when it is named from outside.

#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "browse/OpenedPaths.h"
#include "imaging/PictureTypes.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Platform.h"

#include <QAction>
#include <QFileInfo>

#include <algorithm>

void TfrmMain::LoadOwnSettings()
{
    ownSettings_ = ReadOwnSettings(OwnSettingsPath(SettingsFilePath()));
    SetAllPictureTypes(ownSettings_.allPictureTypes);
    AllPictureTypes->setChecked(ownSettings_.allPictureTypes);
    FileListBox1->SetMask(PictureMask());
}

void TfrmMain::AllPictureTypesClick()
{
    ShowAllPictureTypes(AllPictureTypes->isChecked());
}

void TfrmMain::ShowAllPictureTypes(bool on)
{
    SetAllPictureTypes(on);
    AllPictureTypes->setChecked(on);
    ownSettings_.allPictureTypes = on;
    std::string reason;
    if (!WriteOwnSettings(OwnSettingsPath(SettingsFilePath()), ownSettings_, reason))
        Dialogs().ShowMessage("Cannot save " + OwnSettingsPath(SettingsFilePath()) + ": " + reason);
    // Thumbnails kept from before may be the refusal of a type now read, or the reverse.
    *thumbCache_ = TThumbCache(kThumbCacheBytes);
    FileListBox1->SetMask(PictureMask());
    if (State.ViewMode == kDirectoryShow)
        CDirectoryOutline1Change();
    else
        BuildThumbBoard();
}

bool TfrmMain::AskAllPictureTypes(const std::vector<std::string>& failed)
{
    if (AllPictureTypes->isChecked())
        return false;
    std::vector<std::string> added;
    std::copy_if(failed.begin(), failed.end(), std::back_inserter(added), [](const std::string& path) {
        return IsAddedPictureType(path) && QFileInfo(QFile::decodeName(path.c_str())).isFile();
    });
    if (added.empty())
        return false;
    if (!Dialogs().AskYesNo(AllTypesQuestion(added)))
        return false;
    ShowAllPictureTypes(true);
    return true;
}
