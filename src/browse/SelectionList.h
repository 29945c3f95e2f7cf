#pragma once
// The selection list: the working set of pictures, one row per picture with its
// folder, file name and size text, several rows selectable at once.

#include "browse/SelectionRows.h"

#include <QTableWidget>

#include <vector>

class TSelectionList : public QTableWidget {
    Q_OBJECT
public:
    explicit TSelectionList(QWidget* parent = nullptr);

    // Report view with grid lines, hot tracking, whole-row and multiple selection.
    void SetUpReportView();
    // Appends a column with its caption, width and alignment.
    void AddColumn(const QString& caption, int width, Qt::Alignment alignment);

    int RowCount() const;
    TSelectionRow Row(int index) const;
    std::vector<TSelectionRow> Rows() const;
    void AddRow(const TSelectionRow& row);
    void DeleteRow(int index);
    void Clear();

    // Zero-based positions of the selected rows, lowest first.
    std::vector<int> SelectedRows() const;
    void SelectRow(int index, bool selected = true);

    // Sorts the rows by a column; selected rows stay selected.
    void SortBy(int column);

signals:
    void clickedList();
    void doubleClickedList();
    void enterPressed();
    void deletePressed();

protected:
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<Qt::Alignment> alignments_;
};
