// The main window's selection list: adding, removing, sorting and picking pictures.

#include "app/UnitMain.h"
#include "browse/FileListBox.h"
#include "browse/SelectionList.h"
#include "browse/SelectionRows.h"
#include "toolkit/Form.h"

#include <algorithm>

bool TfrmMain::AddPictureRow(const std::string& folder, const std::string& name)
{
    // A file that went away or cannot be read gets no row; the others go on.
    const std::optional<TSelectionRow> row = PictureRow(folder, name);
    if (!row)
        return false;
    ListView1->AddRow(*row);
    WorkRow = ListView1->RowCount() - 1;
    return true;
}

void TfrmMain::ShowSelectedCount()
{
    SetStatusText(kSelectedCountPanel, SelectedCountText(ListView1->RowCount()));
}

std::vector<std::string> TfrmMain::AddPictures(const std::vector<TPictureFile>& pictures)
{
    std::vector<std::string> failed;
    std::vector<std::string> folders;  // of the rows added, each once
    for (const TPictureFile& picture : pictures) {
        if (!AddPictureRow(picture.folder, picture.name))
            failed.push_back(RowFullPath({picture.folder, picture.name, {}}));
        else if (std::find(folders.begin(), folders.end(), picture.folder) == folders.end())
            folders.push_back(picture.folder);
    }
    if (!folders.empty()) {
        ShowWorkButtons();
        for (const std::string& folder : folders)
            RecordSavedPath(folder);
    }
    ShowSelectedCount();
    return failed;
}

void TfrmMain::sbAddClick()
{
    std::vector<TPictureFile> selected;
    for (int i = 0; i < FileListBox1->Count(); ++i)
        if (FileListBox1->Selected(i))
            selected.push_back({FileListBox1->Directory(), FileListBox1->Entry(i)});
    AddPictures(selected);
}

void TfrmMain::sbAddAllClick()
{
    if (FileListBox1->Count() == 0)
        return;
    for (int i = 0; i < FileListBox1->Count(); ++i)
        AddPictureRow(FileListBox1->Directory(), FileListBox1->Entry(i));
    ShowWorkButtons();
    RecordSavedPath(FileListBox1->Directory());
    ShowSelectedCount();
}

void TfrmMain::sbRemoveClick()
{
    const std::vector<int> selected = ListView1->SelectedRows();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        ListView1->DeleteRow(*it);
    if (ListView1->RowCount() == 0)
        HideWorkButtons();
    BuildThumbBoard();
    ShowSelectedCount();
}

void TfrmMain::sbRemoveAllClick()
{
    ListView1->Clear();
    HideWorkButtons();
    BuildThumbBoard();  // with no rows left it only disables the board
    ShowSelectedCount();
}

void TfrmMain::ListView1ColumnClick(int column)
{
    SortColumn = column;
    ListView1->SortBy(SortColumn);
}

void TfrmMain::ListView1Click()
{
    const std::vector<int> selected = ListView1->SelectedRows();
    if (!selected.empty())
        CurrentFile = RowFullPath(ListView1->Row(selected.front()));
}

void TfrmMain::ListView1DblClick()
{
    const std::vector<int> selected = ListView1->SelectedRows();
    if (selected.empty())
        return;
    CurrentFile = RowFullPath(ListView1->Row(selected.front()));
    CurrentIndex = selected.front();
    Forms.Show->Show();
}
