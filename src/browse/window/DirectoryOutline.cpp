#include "browse/window/DirectoryOutline.h"

#include "browse/FolderModel.h"
#include "toolkit/PathFile.h"
#include "toolkit/Platform.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

TCDirectoryOutline::TCDirectoryOutline(QWidget* parent) : QTreeView(parent), model_(new TFolderModel(this))
{
    setModel(model_);
    header()->hide();
    // One column as wide as its widest row: a deep or long name is scrolled to sideways
    // instead of being cut off at the tree's edge.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
    directory_ = NormalizeFolder(CurrentFolder());
    // Opening a folder lists it anew, so folders made since show up.
    connect(this, &QTreeView::expanded, model_, &TFolderModel::List);
    // The folders on the way to the current one come in one listing after another; the
    // current folder is brought back into view until the user takes over.
    connect(model_, &TFolderModel::listed, this, [this] {
        if (following_)
            QTimer::singleShot(0, this, &TCDirectoryOutline::ShowCurrent);
    });
    ShowCurrent();
}

std::string TCDirectoryOutline::Directory() const
{
    return directory_;
}

TFolderModel& TCDirectoryOutline::Folders() const
{
    return *model_;
}

void TCDirectoryOutline::SetDirectory(const std::string& folder)
{
    if (!MoveTo(folder))
        return;
    // Set by the program: the tree shows where it went.
    following_ = true;
    model_->ListToward(directory_);
    ShowCurrent();
    emit changed();
}

bool TCDirectoryOutline::MoveTo(const std::string& folder)
{
    if (!IsFolder(folder))
        return false;
    const std::string target = NormalizeFolder(AbsoluteClean(folder));
    if (target == directory_)
        return false;
    directory_ = target;
    return true;
}

void TCDirectoryOutline::SetDrive(const std::string& drive)
{
    SetDirectory(drive);
}

void TCDirectoryOutline::ShowCurrent()
{
    const QModelIndex index = model_->Nearest(directory_);
    const QScopedValueRollback moving(moving_, true);
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        expand(up);
    if (model_->Folder(index) != directory_) {
        // Its folder on the way is listed when opened, and this goes on from there.
        expand(index);
        return;
    }
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    ShowName(index);
}

void TCDirectoryOutline::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const int across = horizontalScrollBar()->value();
    QTreeView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(across);
}

void TCDirectoryOutline::ShowName(const QModelIndex& row)
{
    // The column's width and the scroll bar's range as the rows now are, not as they
    // will be after the next pass of the event loop.
    executeDelayedItemsLayout();
    header()->resizeSections(QHeaderView::ResizeToContents);
    updateGeometries();
    const QRect item = visualRect(row);
    const int arrow = item.left() - indentation();
    const int end = item.left() + sizeHintForIndex(row).width();
    const int width = viewport()->width();
    int by = item.left();  // as much of the name as there is room for, from its start
    if (end - arrow <= width)  // the whole name and its expand arrow
        by = arrow < 0 ? arrow : std::max(0, end - width);
    else if (end - item.left() <= width)  // the whole name
        by = end - width;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + by);
}

void TCDirectoryOutline::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    // The view also moves its current row by itself when rows come and go; only the
    // user's own click or key is a change of folder.
    if (moving_ || !userInput_ || !current.isValid())
        return;
    // The row stays where the user put it.
    following_ = false;
    if (!MoveTo(model_->Folder(current)))
        return;
    model_->List(current);
    emit changed();
}

bool TCDirectoryOutline::viewportEvent(QEvent* event)
{
    bool input = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        following_ = false;
        input = true;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        input = true;
        break;
    default:
        break;
    }
    const QScopedValueRollback during(userInput_, userInput_ || input);
    return QTreeView::viewportEvent(event);
}

void TCDirectoryOutline::keyPressEvent(QKeyEvent* event)
{
    following_ = false;
    const QScopedValueRollback during(userInput_, true);
    QTreeView::keyPressEvent(event);
}
