#include "browse/SelectionList.h"

#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Hot tracking: the row under the mouse is marked, as in the Windows list view.
class THotTrackDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!view || !view->viewport()->underMouse())
            return;
        const QPoint mouse = view->viewport()->mapFromGlobal(QCursor::pos());
        if (view->indexAt(mouse).row() != index.row())
            return;
        QColor hot = option.palette.color(QPalette::Highlight);
        hot.setAlpha(48);
        painter->fillRect(option.rect, hot);
    }
};

// A cell keeps its text's bytes; what it shows is only their display.
std::string Bytes(const QTableWidgetItem* item)
{
    return item ? item->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

} // namespace

TSelectionList::TSelectionList(QWidget* parent) : QTableWidget(parent)
{
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
}

void TSelectionList::SetUpReportView()
{
    setShowGrid(true);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setItemDelegate(new THotTrackDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void TSelectionList::AddColumn(const QString& caption, int width, Qt::Alignment alignment)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    auto* header = new QTableWidgetItem(caption);
    header->setTextAlignment(alignment | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, header);
    setColumnWidth(column, width);
    alignments_.push_back(alignment);
}

int TSelectionList::RowCount() const
{
    return rowCount();
}

TSelectionRow TSelectionList::Row(int index) const
{
    return {Bytes(item(index, 0)), Bytes(item(index, 1)), Bytes(item(index, 2))};
}

std::vector<TSelectionRow> TSelectionList::Rows() const
{
    std::vector<TSelectionRow> rows;
    rows.reserve(static_cast<std::size_t>(rowCount()));
    for (int i = 0; i < rowCount(); ++i)
        rows.push_back(Row(i));
    return rows;
}

void TSelectionList::AddRow(const TSelectionRow& row)
{
    const int index = rowCount();
    insertRow(index);
    const std::string* texts[] = {&row.path, &row.name, &row.byte};
    for (int column = 0; column < 3; ++column) {
        auto* cell = new QTableWidgetItem(QString::fromStdString(*texts[column]));
        cell->setData(Qt::UserRole, QByteArray::fromStdString(*texts[column]));
        if (static_cast<std::size_t>(column) < alignments_.size())
            cell->setTextAlignment(alignments_[static_cast<std::size_t>(column)] | Qt::AlignVCenter);
        setItem(index, column, cell);
    }
}

void TSelectionList::DeleteRow(int index)
{
    removeRow(index);
}

void TSelectionList::Clear()
{
    setRowCount(0);
}

std::vector<int> TSelectionList::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TSelectionList::SelectRow(int index, bool selected)
{
    const QItemSelection rowRange(model()->index(index, 0), model()->index(index, columnCount() - 1));
    selectionModel()->select(rowRange, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void TSelectionList::SortBy(int column)
{
    std::vector<TSelectionRow> rows = Rows();
    std::vector<bool> selected(rows.size(), false);
    for (int i : SelectedRows())
        selected[static_cast<std::size_t>(i)] = true;
    const std::vector<std::size_t> order = SortedOrder(rows, column);
    Clear();
    clearSelection();
    for (std::size_t i = 0; i < order.size(); ++i) {
        AddRow(rows[order[i]]);
        if (selected[order[i]])
            SelectRow(static_cast<int>(i));
    }
}

void TSelectionList::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    // Rows follow the list's font, which the browsing colours' settings may change.
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void TSelectionList::mouseReleaseEvent(QMouseEvent* event)
{
    QTableWidget::mouseReleaseEvent(event);
    emit clickedList();
}

void TSelectionList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    emit doubleClickedList();
}

void TSelectionList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return;
    case Qt::Key_Delete:
        emit deletePressed();
        return;
    default:
        QTableWidget::keyPressEvent(event);
    }
}
