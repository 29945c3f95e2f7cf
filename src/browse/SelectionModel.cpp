#include "browse/SelectionModel.h"

#include <QFile>

#include <algorithm>
#include <utility>

void TSelectionModel::AddColumn(const QString& caption, Qt::Alignment alignment)
{
    const int column = columnCount();
    beginInsertColumns({}, column, column);
    columns_.push_back({caption, alignment | Qt::AlignVCenter});
    endInsertColumns();
}

void TSelectionModel::SetHint(const QString& hint)
{
    hint_ = hint;
}

int TSelectionModel::Count() const
{
    return static_cast<int>(rows_.size());
}

const TSelectionRow& TSelectionModel::Row(int index) const
{
    return rows_.at(static_cast<std::size_t>(index));
}

const std::vector<TSelectionRow>& TSelectionModel::Rows() const
{
    return rows_;
}

void TSelectionModel::Append(const TSelectionRow& row)
{
    Append(std::vector<TSelectionRow>{row});
}

void TSelectionModel::Append(std::vector<TSelectionRow> rows)
{
    if (rows.empty())
        return;
    beginInsertRows({}, Count(), Count() + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void TSelectionModel::Remove(std::vector<int> positions)
{
    std::erase_if(positions, [this](int row) { return row < 0 || row >= Count(); });
    if (positions.empty())
        return;
    const auto [first, last] = std::minmax_element(positions.begin(), positions.end());
    std::vector<bool> removed(rows_.size(), false);
    for (int row : positions)
        removed[static_cast<std::size_t>(row)] = true;
    if (std::count(removed.begin(), removed.end(), true) == *last - *first + 1) {
        // The views keep their place.
        beginRemoveRows({}, *first, *last);
        rows_.erase(rows_.begin() + *first, rows_.begin() + *last + 1);
        endRemoveRows();
        return;
    }
    // Views take each removed run in time that grows with the rows, so several runs
    // are one reset.
    beginResetModel();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (removed[i])
            continue;
        if (kept != i)
            rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
    endResetModel();
}

void TSelectionModel::Clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void TSelectionModel::SortBy(int column)
{
    emit layoutAboutToBeChanged({}, VerticalSortHint);
    const std::vector<std::size_t> order = SortedOrder(rows_, column);
    std::vector<TSelectionRow> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> moved(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows_[order[i]]));
        moved[order[i]] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to.push_back(this->index(moved[static_cast<std::size_t>(index.row())], index.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, VerticalSortHint);
}

int TSelectionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int TSelectionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TSelectionModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QFile::decodeName(QByteArray::fromStdString(RowText(Row(index.row()), index.column())));
    case Qt::TextAlignmentRole:
        return columns_[static_cast<std::size_t>(index.column())].alignment.toInt();
    case Qt::ToolTipRole:
        return hint_.isEmpty() ? QVariant() : hint_;
    default:
        return {};
    }
}

QVariant TSelectionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const TColumn& column = columns_[static_cast<std::size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column.caption;
    case Qt::TextAlignmentRole:
        return column.alignment.toInt();
    default:
        return {};
    }
}
