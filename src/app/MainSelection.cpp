// The main window's selection list: adding, removing, sorting and picking pictures.

#include "app/UnitMain.h"
#include "browse/FileListBox.h"
#include "browse/SelectionList.h"
#include "browse/SelectionModel.h"
#include "toolkit/Form.h"

TSelectionModel& TfrmMain::Pictures() const
{
    return ListView1->Model();
}

int TfrmMain::AddPictureRows(bool selectedOnly)
{
    const std::string folder = FileListBox1->Directory();
    std::vector<TSelectionRow> rows;
    for (int i = 0; i < FileListBox1->Count(); ++i) {
        if (selectedOnly && !FileListBox1->Selected(i))
            continue;
        // A file that went away or cannot be read gets no row; the others go on.
        if (std::optional<TSelectionRow> row = PictureRow(folder, FileListBox1->Entry(i)))
            rows.push_back(std::move(*row));
    }
    const int added = static_cast<int>(rows.size());
    Pictures().Append(std::move(rows));
    if (added > 0)
        WorkRow = Pictures().Count() - 1;
    return added;
}

void TfrmMain::ShowSelectedCount()
{
    SetStatusText(kSelectedCountPanel, SelectedCountText(Pictures().Count()));
}

void TfrmMain::sbAddClick()
{
    if (AddPictureRows(true) > 0) {
        ShowWorkButtons();
        RecordSavedPath(FileListBox1->Directory());
    }
    ShowSelectedCount();
}

void TfrmMain::sbAddAllClick()
{
    if (FileListBox1->Count() == 0)
        return;
    AddPictureRows(false);
    ShowWorkButtons();
    RecordSavedPath(FileListBox1->Directory());
    ShowSelectedCount();
}

void TfrmMain::sbRemoveClick()
{
    Pictures().Remove(ListView1->SelectedRows());
    if (Pictures().Count() == 0)
        HideWorkButtons();
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
        CurrentFile = RowFullPath(Pictures().Row(selected.front()));
}

void TfrmMain::ListView1DblClick()
{
    const std::vector<int> selected = ListView1->SelectedRows();
    if (selected.empty())
        return;
    CurrentFile = RowFullPath(Pictures().Row(selected.front()));
    CurrentIndex = selected.front();
    Forms.Show->Show();
}
