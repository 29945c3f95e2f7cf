#include "browse/window/SelectionList.h"

#include "browse/SelectionModel.h"

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

} // namespace

TSelectionList::TSelectionList(TSelectionModel& rows, QWidget* parent) : QTableView(parent), rows_(&rows)
{
    setModel(rows_);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
}

TSelectionModel& TSelectionList::Model() const
{
    return *rows_;
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
    rows_->AddColumn(caption, alignment);
    setColumnWidth(rows_->columnCount() - 1, width);
}

void TSelectionList::SetHint(const QString& hint)
{
    rows_->SetHint(hint);
    setAccessibleName(hint);
}

std::vector<int> TSelectionList::SelectedRows() const
{
    // Whole rows are selected; the ranges give them without a look-up per row.
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void TSelectionList::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    // Rows follow the list's font, which the browsing colours' settings may change.
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void TSelectionList::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    emit clickedList();
}

void TSelectionList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
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
        QTableView::keyPressEvent(event);
    }
}
