// The main window opened from outside: the command line's folders and pictures, and
// those dropped on the window.

#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/SelectionList.h"
#include "browse/PictureSet.h"
#include "toolkit/Dialogs.h"
#include "toolkit/window/Form.h"
#include "toolkit/Platform.h"

#include <QDropEvent>
#include <QMimeData>

namespace {

// Takes a drag or drop that holds folders or pictures and refuses any other; what it
// holds to open, nothing when refused. Copy, never Move: a file manager deletes what was
// moved once the drop is taken.
TOpenedPaths AnswerDrop(QDropEvent* event)
{
    // File managers give their files as a text/uri-list.
    TOpenedPaths opened = SortOpenedPaths(UriListPaths(event->mimeData()->data("text/uri-list").toStdString()));
    if (!(event->possibleActions() & Qt::CopyAction) || (opened.folders.empty() && opened.pictures.empty())) {
        event->ignore();
        return {};
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return opened;
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

void TfrmMain::OpenCommandLine(const std::vector<std::string>& paths)
{
    TOpenedPaths opened = SortOpenedPaths(paths);
    // The tree ends in the first picture's folder, so the file list shows it.
    if (!opened.pictures.empty())
        opened.folders.push_back(opened.pictures.front().folder);
    const int first = Pictures().Count();
    std::vector<std::string> failed = opened.failed;
    for (const std::string& path : OpenPaths(opened))
        failed.push_back(path);
    // The message comes first: a box over the viewer would keep it from being activated,
    // and activation loads its picture.
    if (!failed.empty())
        Dialogs().ShowMessage(CannotOpenText(failed));
    if (Pictures().Count() > first) {
        pictures_.Point(first);
        Forms.Show->Show();
    }
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
    OpenPaths(AnswerDrop(event));
}
