// The main window opened from outside: the command line's folders and pictures, and
// those dropped on the window.

#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/FolderListing.h"
#include "browse/PictureSet.h"
#include "imaging/PictureTypes.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Errors.h"
#include "toolkit/window/Form.h"
#include "toolkit/Platform.h"

#include <QDropEvent>
#include <QMimeData>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace {

// Takes a drag or drop that holds folders or pictures and refuses any other; the paths it
// holds, nothing when refused. Copy, never Move: a file manager deletes what was moved
// once the drop is taken.
std::optional<std::vector<std::string>> AnswerDrop(QDropEvent* event)
{
    // File managers give their files as a text/uri-list.
    std::vector<std::string> paths = UriListPaths(event->mimeData()->data("text/uri-list").toStdString());
    const TOpenedPaths opened = SortOpenedPaths(paths);
    // A picture of a type the all-types switch leaves out is taken: the drop asks about it.
    const bool offered = !opened.folders.empty() || !opened.pictures.empty()
                         || std::any_of(opened.failed.begin(), opened.failed.end(), IsAddedPictureType);
    if (!(event->possibleActions() & Qt::CopyAction) || !offered) {
        event->ignore();
        return std::nullopt;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return paths;
}

}  // namespace

void TfrmMain::MoveTreeTo(const std::string& folder)
{
    // The tree reports only a change of folder, and a folder named from outside is
    // taken afresh even when the tree is already there.
    if (NormalizeFolder(folder) == CDirectoryOutline1->Directory())
        CDirectoryOutline1Change();
    else
        CDirectoryOutline1->SetDirectory(folder);
}

std::vector<std::string> TfrmMain::OpenPaths(const TOpenedPaths& opened)
{
    for (const std::string& folder : opened.folders)
        MoveTreeTo(folder);
    // Folders alone leave the selection and its count as they are.
    return opened.pictures.empty() ? std::vector<std::string>{} : AddPictures(opened.pictures);
}

std::vector<std::string> TfrmMain::OpenAlone(const TPictureFile& picture)
{
    // A file that cannot be read leaves the selection as it was.
    if (!PictureRow(picture.folder, picture.name))
        return {RowFullPath({picture.folder, picture.name, {}})};
    Pictures().Clear();
    std::vector<std::string> failed = AddPictures({picture});
    if (failed.empty())
        pictures_.Point(0);
    return failed;
}

void TfrmMain::GatherFolder(const TPictureFile& picture)
{
    // In Directory Show the tree's folder change reads the folder's rows.
    MoveTreeTo(picture.folder);
    named_ = picture;
    if (State.ViewMode == kSelectShow)
        AddFolderRows();
}

void TfrmMain::AddFolderRows()
{
    SetBusy(true);
    folderJob_.Start(
        1, [folder = FileListBox1->Directory(), mask = FileListBox1->Mask()](int) { return ReadFolder(folder, mask); },
        [this](int, TFolderRows& read) {
            // A folder whose listing left the picture out keeps it alone.
            if (std::none_of(read.rows.begin(), read.rows.end(),
                             [this](const TSelectionRow& row) { return TPictureFile{row.path, row.name} == named_; }))
                return true;
            Pictures().Clear();
            Pictures().Append(std::move(read.rows));
            State.WorkRow = Pictures().Count() - 1;
            ShowSelectedCount();
            PointAtNamed();
            return true;
        },
        {},
        [this](const TJobEnd& end) {
            SetBusy(false);
            named_.reset();
            if (end.failure)
                ShowHandlerException(end.failure);
        });
}

void TfrmMain::PointAtNamed()
{
    if (!named_)
        return;
    const TPictureFile named = *std::exchange(named_, std::nullopt);
    for (int i = 0; i < Pictures().Count(); ++i)
        if (const TSelectionRow& row = Pictures().Row(i); TPictureFile{row.path, row.name} == named) {
            pictures_.Relocate(i);
            return;
        }
}

TOpenedPaths TfrmMain::SortNamedPaths(const std::vector<std::string>& paths)
{
    TOpenedPaths opened = SortOpenedPaths(paths);
    // Yes turns the switch on, under which those pictures open.
    if (AskAllPictureTypes(opened.failed))
        opened = SortOpenedPaths(paths);
    return opened;
}

void TfrmMain::OpenCommandLine(const std::vector<std::string>& paths)
{
    TOpenedPaths opened = SortNamedPaths(paths);
    std::vector<std::string> failed = opened.failed;
    std::vector<std::string> notOpened;
    const bool alone = opened.pictures.size() == 1 && opened.folders.empty();
    const int first = Pictures().Count();
    if (alone) {
        notOpened = OpenAlone(opened.pictures.front());
    } else {
        // The tree ends in the first picture's folder, so the file list shows it.
        if (!opened.pictures.empty())
            opened.folders.push_back(opened.pictures.front().folder);
        notOpened = OpenPaths(opened);
        if (Pictures().Count() > first)
            pictures_.Point(first);
    }
    const bool opens = notOpened.size() < opened.pictures.size();
    failed.insert(failed.end(), notOpened.begin(), notOpened.end());
    // The message comes first: a box over the viewer would keep it from being activated,
    // and activation loads its picture.
    if (!failed.empty())
        Dialogs().ShowMessage(CannotOpenText(failed));
    if (opens)
        Forms.Show->Show();
    // After the viewer has asked for its picture: a large folder is listed while the
    // picture is decoded.
    if (alone && opens)
        GatherFolder(opened.pictures.front());
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event)
{
    AnswerDrop(event);
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event)
{
    AnswerDrop(event);
}

void TfrmMain::dropEvent(QDropEvent* event)
{
    const std::optional<std::vector<std::string>> paths = AnswerDrop(event);
    if (!paths)
        return;
    const TOpenedPaths opened = SortNamedPaths(*paths);
    // What else a drop holds that is no picture is left out without a word, as before.
    std::vector<std::string> declined;
    std::copy_if(opened.failed.begin(), opened.failed.end(), std::back_inserter(declined), IsAddedPictureType);
    if (!declined.empty())
        Dialogs().ShowMessage(CannotOpenText(declined));
    if (opened.pictures.size() == 1 && opened.folders.empty()) {
        if (OpenAlone(opened.pictures.front()).empty()) {
            Forms.Show->Show();
            GatherFolder(opened.pictures.front());
        }
        return;
    }
    OpenPaths(opened);
}
