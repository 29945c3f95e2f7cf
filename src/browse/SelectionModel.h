#pragma once
// The selection list's rows as an item model: the one working set of pictures that the
// list shows and every other window reads. Rows keep their bytes; they are decoded only
// for display.

#include "browse/SelectionRows.h"

#include <QAbstractTableModel>

#include <vector>

class TSelectionModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // A column showing RowText of that column, with its caption and alignment.
    void AddColumn(const QString& caption, Qt::Alignment alignment);
    // Every row's tooltip.
    void SetHint(const QString& hint);

    int Count() const;
    const TSelectionRow& Row(int index) const;
    const std::vector<TSelectionRow>& Rows() const;
    void Append(const TSelectionRow& row);
    void Append(std::vector<TSelectionRow> rows);
    // Removes the rows at these positions, given in any order. Views keep their place
    // when the rows are neighbours; rows apart are removed in one reset of the views.
    void Remove(std::vector<int> positions);
    void Clear();
    // Ascending CompareText order of a column's texts, equal rows in their order. The
    // view's selection and current row follow their rows.
    void SortBy(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct TColumn {
        QString caption;
        Qt::Alignment alignment;
    };
    std::vector<TColumn> columns_;
    QString hint_;
    std::vector<TSelectionRow> rows_;
};
