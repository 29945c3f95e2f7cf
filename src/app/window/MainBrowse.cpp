// The main window's folder browser: drive box, folder tree and file list.

#include "app/window/UnitMain.h"
#include "app/window/BoardBuild.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/DriveComboBox.h"
#include "browse/window/FileListBox.h"
#include "browse/FolderListing.h"
#include "browse/PictureSet.h"
#include "thumbs/window/ThumbBoard.h"
#include "toolkit/Errors.h"

#include <QFile>
#include <QTimer>

void TfrmMain::DriveComboBox1Change()
{
    const std::string drive = DriveComboBox1->Drive();
    FileListBox1->SetDrive(drive);
    CDirectoryOutline1->SetDrive(drive);
}

void TfrmMain::CDirectoryOutline1Change()
{
    if (State.ViewMode == kSelectShow) {
        FileListBox1->SetDirectory(CDirectoryOutline1->Directory());
        SetStatusText(kFolderCountPanel, FolderCountText(FileListBox1->Count()));
        setWindowTitle(QFile::decodeName(FolderCaption(CDirectoryOutline1->Directory()).c_str()));
        return;
    }
    // The listing and the sizes are read on the pool; the user browsing on through the
    // tree replaces this change and the build it started.
    if (board_)
        board_->CancelBuild();
    boardBuild_.reset();
    // Browsing on leaves a picture named from outside to the rows it is among.
    named_.reset();
    boardAfterFolder_->stop();
    SetBusy(true);
    folderJob_.Start(
        1, [folder = CDirectoryOutline1->Directory(), mask = FileListBox1->Mask()](int) { return ReadFolder(folder, mask); },
        [this](int, TFolderRows& read) {
            FileListBox1->SetListing(read.folder, std::move(read.names));
            Pictures().Clear();
            Pictures().Append(std::move(read.rows));
            State.WorkRow = Pictures().Count() - 1;
            return true;
        },
        {},
        [this](const TJobEnd& end) {
            // Still busy: the build starts in a pass of its own, since applying a large
            // folder's rows and starting their build in one would hold the event loop
            // for as long as both.
            boardAfterFolder_->start();
            if (end.failure)
                ShowHandlerException(end.failure);
        });
}

void TfrmMain::BuildAfterFolder()
{
    boardAfterFolder_->stop();
    SetBusy(false);
    BuildThumbBoard();
}

void TfrmMain::FileListBox1DblClick()
{
    sbAddClick();
}
