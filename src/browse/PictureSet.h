#pragma once
// The working set every window shares: the selection list's rows and the cursor on them,
// CurrentIndex (a row) and CurrentFile (a full path). Made once with the windows and
// handed to each window that reads or moves it; no window reads another one for it.
//
// The cursor moves only as the windows move it. Like the list it stands for, it is not
// corrected when rows are removed or sorted: CurrentIndex may then name another row, or
// none, and the windows that step from it keep within the rows there are.

#include "browse/SelectionModel.h"

#include <QObject>

#include <cstdint>
#include <string>
#include <vector>

class TPictureSet : public QObject {
    Q_OBJECT
public:
    explicit TPictureSet(QObject* parent = nullptr);

    TSelectionModel& Model() { return rows_; }
    const TSelectionModel& Model() const { return rows_; }
    int Count() const { return rows_.Count(); }
    const TSelectionRow& Row(int index) const { return rows_.Row(index); }
    // Path + PathDelim + File Name of row index.
    std::string FullPath(int index) const;

    const std::string& CurrentFile() const { return currentFile_; }
    std::int32_t CurrentIndex() const { return currentIndex_; }

    // A press or a double click on row index (a thumbnail or a list row), a step of the
    // viewer, a picture named from outside: both CurrentIndex and CurrentFile.
    void Point(int index);
    // A click on a list row, a slide shown, the board's last thumbnail: CurrentFile names
    // row index; CurrentIndex stays.
    void Name(int index);
    // The entry shown is row index now, the rows having changed around it (a picture named
    // alone, once its folder's rows are in): Point, and the windows showing it hear that
    // its place changed.
    void Relocate(int index);
    // CurrentFile names path, which need not be a row.
    void NameFile(const std::string& path);
    // The viewer's steps: one row on, or one back (from the end when the list was
    // shortened behind it); false, and nothing moves, at the end or the start.
    bool StepForward();
    bool StepBack();

    // The rows. They leave the cursor where it is.
    void Append(const TSelectionRow& row);
    void Append(std::vector<TSelectionRow> rows);
    void Remove(const std::vector<int>& positions);
    void Clear();
    void SortBy(int column);

signals:
    void CursorMoved();
    void RowsChanged();
    void Relocated();

private:
    void Move(std::int32_t index, std::string file);

    TSelectionModel rows_;
    std::string currentFile_;
    std::int32_t currentIndex_ = 0;
};
