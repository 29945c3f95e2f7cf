#include "browse/PictureSet.h"

#include <algorithm>
#include <utility>

TPictureSet::TPictureSet(QObject* parent) : QObject(parent)
{
    // Every change of the rows, whoever makes it, is one RowsChanged.
    const auto changed = [this] { emit RowsChanged(); };
    connect(&rows_, &QAbstractItemModel::rowsInserted, this, changed);
    connect(&rows_, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(&rows_, &QAbstractItemModel::modelReset, this, changed);
    connect(&rows_, &QAbstractItemModel::layoutChanged, this, changed);
}

std::string TPictureSet::FullPath(int index) const
{
    return RowFullPath(rows_.Row(index));
}

void TPictureSet::Move(std::int32_t index, std::string file)
{
    if (index == currentIndex_ && file == currentFile_)
        return;
    currentIndex_ = index;
    currentFile_ = std::move(file);
    emit CursorMoved();
}

void TPictureSet::Point(int index)
{
    Move(index, FullPath(index));
}

void TPictureSet::Relocate(int index)
{
    Point(index);
    emit Relocated();
}

void TPictureSet::Name(int index)
{
    Move(currentIndex_, FullPath(index));
}

void TPictureSet::NameFile(const std::string& path)
{
    Move(currentIndex_, path);
}

bool TPictureSet::StepForward()
{
    if (currentIndex_ >= Count() - 1)
        return false;
    Point(currentIndex_ + 1);
    return true;
}

bool TPictureSet::StepBack()
{
    const int previous = std::min(currentIndex_ - 1, Count() - 1);
    if (currentIndex_ < 1 || previous < 0)
        return false;
    Point(previous);
    return true;
}

void TPictureSet::Append(const TSelectionRow& row)
{
    rows_.Append(row);
}

void TPictureSet::Append(std::vector<TSelectionRow> rows)
{
    rows_.Append(std::move(rows));
}

void TPictureSet::Remove(const std::vector<int>& positions)
{
    rows_.Remove(positions);
}

void TPictureSet::Clear()
{
    rows_.Clear();
}

void TPictureSet::SortBy(int column)
{
    rows_.SortBy(column);
}
