#include "browse/window/DirectoryOutline.h"

#include "toolkit/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>

TCDirectoryOutline::TCDirectoryOutline(QWidget* parent) : QTreeView(parent), model_(new QFileSystemModel(this))
{
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    model_->setRootPath(QDir::rootPath());
    setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
    setUniformRowHeights(true);
    directory_ = NormalizeFolder(QFile::encodeName(QDir::currentPath()).toStdString());
    // The model reads and sorts folders in the background, which moves rows about;
    // the current folder is brought back into view until the user takes over.
    const auto follow = [this] {
        if (following_)
            QTimer::singleShot(0, this, &TCDirectoryOutline::ShowCurrent);
    };
    connect(model_, &QFileSystemModel::directoryLoaded, this, follow);
    connect(model_, &QFileSystemModel::layoutChanged, this, follow);
    ShowCurrent();
}

std::string TCDirectoryOutline::Directory() const
{
    return directory_;
}

void TCDirectoryOutline::SetDirectory(const std::string& folder)
{
    if (!MoveTo(folder))
        return;
    // Set by the program: the tree shows where it went.
    following_ = true;
    ShowCurrent();
    emit changed();
}

bool TCDirectoryOutline::MoveTo(const std::string& folder)
{
    const QFileInfo info(QFile::decodeName(folder.c_str()));
    if (!info.isDir())
        return false;
    const std::string target =
        NormalizeFolder(QFile::encodeName(QDir::cleanPath(info.absoluteFilePath())).toStdString());
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
    const QModelIndex index = model_->index(QFile::decodeName(directory_.c_str()));
    if (!index.isValid())
        return;
    moving_ = true;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        expand(up);
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    moving_ = false;
}

void TCDirectoryOutline::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    // The view also moves its current row by itself when the model re-sorts a folder it
    // has read; only the user's own click or key is a change of folder.
    if (moving_ || !userInput_ || !current.isValid())
        return;
    // The row stays where the user put it.
    following_ = false;
    if (MoveTo(QFile::encodeName(model_->filePath(current)).toStdString()))
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
