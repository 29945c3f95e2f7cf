#include "browse/FileListBox.h"

#include "browse/FolderListing.h"
#include "toolkit/Platform.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    directory_ = NormalizeFolder(QFile::encodeName(QDir::currentPath()).toStdString());
    Reread();
}

std::string TFileListBox::Directory() const
{
    return directory_;
}

void TFileListBox::SetDirectory(const std::string& folder)
{
    directory_ = NormalizeFolder(folder);
    Reread();
}

void TFileListBox::SetDrive(const std::string& drive)
{
    SetDirectory(drive);
}

std::string TFileListBox::Mask() const
{
    return mask_;
}

void TFileListBox::SetMask(const std::string& mask)
{
    mask_ = mask;
    Reread();
}

int TFileListBox::Count() const
{
    return count();
}

std::string TFileListBox::Entry(int index) const
{
    return item(index)->data(Qt::UserRole).toByteArray().toStdString();
}

bool TFileListBox::Selected(int index) const
{
    return item(index)->isSelected();
}

void TFileListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void TFileListBox::SetListing(const std::string& folder, const std::vector<std::string>& names)
{
    directory_ = NormalizeFolder(folder);
    Show(names);
}

void TFileListBox::Reread()
{
    Show(ListMatchingFiles(directory_, mask_));
}

void TFileListBox::Show(const std::vector<std::string>& names)
{
    clear();
    // The name's bytes stay with the entry; its text is only what the list shows.
    for (const std::string& name : names) {
        auto* entry = new QListWidgetItem(QString::fromStdString(name), this);
        entry->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
}
