// The main window's selection list: adding, removing, sorting and picking pictures.

#include "app/window/UnitMain.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/PictureSet.h"
#include "toolkit/window/Form.h"

#include <algorithm>

std::vector<TPictureFile> TfrmMain::FileListPictures(bool selectedOnly) const
{
    std::vector<TPictureFile> pictures;
    for (int i = 0; i < FileListBox1->Count(); ++i)
        if (!selectedOnly || FileListBox1->Selected(i))
            pictures.push_back({FileListBox1->Directory(), FileListBox1->Entry(i)});
    return pictures;
}

TfrmMain::TAppended TfrmMain::AppendRows(const std::vector<TPictureFile>& pictures)
{
    TAppended appended;
    std::vector<TSelectionRow> rows;
    for (const TPictureFile& picture : pictures) {
        // A file that went away or cannot be read gets no row; the others go on.
        if (std::optional<TSelectionRow> row = PictureRow(picture.folder, picture.name)) {
            rows.push_back(std::move(*row));
            if (std::find(appended.folders.begin(), appended.folders.end(), picture.folder) == appended.folders.end())
                appended.folders.push_back(picture.folder);
        } else {
            appended.failed.push_back(RowFullPath({picture.folder, picture.name, {}}));
        }
    }
    // All at once: one insertion however many rows.
    if (!rows.empty()) {
        Pictures().Append(std::move(rows));
        WorkRow = Pictures().Count() - 1;
    }
    return appended;
}

void TfrmMain::ShowSelectedCount()
{
    SetStatusText(kSelectedCountPanel, SelectedCountText(Pictures().Count()));
}

std::vector<std::string> TfrmMain::AddPictures(const std::vector<TPictureFile>& pictures)
{
    TAppended added = AppendRows(pictures);
    if (!added.folders.empty()) {
        ShowWorkButtons();
        for (const std::string& folder : added.folders)
            RecordSavedPath(folder);
    }
    ShowSelectedCount();
    return std::move(added.failed);
}

void TfrmMain::sbAddClick()
{
    AddPictures(FileListPictures(true));
}

void TfrmMain::sbAddAllClick()
{
    if (FileListBox1->Count() == 0)
        return;
    AppendRows(FileListPictures(false));
    ShowWorkButtons();
    RecordSavedPath(FileListBox1->Directory());
    ShowSelectedCount();
}

void TfrmMain::sbRemoveClick()
{
    const std::vector<int> selected = ListView1->SelectedRows();
    // A board built from exactly these rows loses the same thumbnails; it need not read
    // every file again to end as a rebuild would.
    const bool inStep = BoardInStep();
    Pictures().Remove(selected);
    if (Pictures().Count() == 0)
        HideWorkButtons();
    if (inStep && Pictures().Count() > 0)
        RemoveThumbs(selected);
    else
        BuildThumbBoard();
    ShowSelectedCount();
}

void TfrmMain::sbRemoveAllClick()
{
    Pictures().Clear();
    HideWorkButtons();
    BuildThumbBoard();  // with no rows left it only disables the board
    ShowSelectedCount();
}

void TfrmMain::ListView1ColumnClick(int column)
{
    SortColumn = column;
    Pictures().SortBy(SortColumn);
}

void TfrmMain::ListView1Click()
{
    const std::vector<int> selected = ListView1->SelectedRows();
    if (!selected.empty())
        pictures_.Name(selected.front());
}

void TfrmMain::ListView1DblClick()
{
    const std::vector<int> selected = ListView1->SelectedRows();
    if (selected.empty())
        return;
    pictures_.Point(selected.front());
    Forms.Show->Show();
}
