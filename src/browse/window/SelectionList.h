#pragma once
// The selection list: a view of the rows of the working set of pictures, several rows
// selectable at once.

#include <QTableView>

#include <vector>

class TSelectionModel;

class TSelectionList : public QTableView {
    Q_OBJECT
public:
    // rows outlive the list.
    TSelectionList(TSelectionModel& rows, QWidget* parent);

    // The rows shown.
    TSelectionModel& Model() const;

    // Report view with grid lines, hot tracking, whole-row and multiple selection.
    void SetUpReportView();
    // Appends a column with its caption, width and alignment.
    void AddColumn(const QString& caption, int width, Qt::Alignment alignment);
    // The hint of every row, and the list's accessible name.
    void SetHint(const QString& hint);

    // Zero-based positions of the selected rows, lowest first.
    std::vector<int> SelectedRows() const;

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
    TSelectionModel* rows_;
};
