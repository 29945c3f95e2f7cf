#include "browse/window/FileListBox.h"

#include "browse/FolderListing.h"
#include "toolkit/PathFile.h"
#include "toolkit/Platform.h"

#include <QMouseEvent>

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every entry is one line of text: the list need not measure ten thousand of them.
    setUniformItemSizes(true);
    directory_ = NormalizeFolder(CurrentFolder());
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
    const QVariant bytes = item(index)->data(Qt::UserRole);
    return bytes.isValid() ? bytes.toByteArray().toStdString() : item(index)->text().toStdString();
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
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names)
        texts.push_back(QString::fromStdString(name));
    addItems(texts);  // one insertion for the whole folder
    // The bytes of a name that is not UTF-8 stay with its entry; its text only shows it.
    for (int i = 0; i < count(); ++i)
        if (texts[i].toStdString() != names[static_cast<std::size_t>(i)])
            item(i)->setData(Qt::UserRole, QByteArray::fromStdString(names[static_cast<std::size_t>(i)]));
}
