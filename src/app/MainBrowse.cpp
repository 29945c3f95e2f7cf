// The main window's folder browser: drive box, folder tree and file list.

#include "app/UnitMain.h"
#include "browse/DirectoryOutline.h"
#include "browse/DriveComboBox.h"
#include "browse/FileListBox.h"
#include "browse/FolderListing.h"
#include "browse/SelectionModel.h"

#include <QFile>

void TfrmMain::DriveComboBox1Change()
{
    const std::string drive = DriveComboBox1->Drive();
    FileListBox1->SetDrive(drive);
    CDirectoryOutline1->SetDrive(drive);
}

void TfrmMain::CDirectoryOutline1Change()
{
    FileListBox1->SetDirectory(CDirectoryOutline1->Directory());
    if (ViewMode == kSelectShow) {
        SetStatusText(kFolderCountPanel, FolderCountText(FileListBox1->Count()));
        setWindowTitle(QFile::decodeName(FolderCaption(CDirectoryOutline1->Directory()).c_str()));
        return;
    }
    Pictures().Clear();
    AddPictureRows(false);
    BuildThumbBoard();
}

void TfrmMain::FileListBox1DblClick()
{
    sbAddClick();
}
