#include "browse/window/FileListBox.h"

#include "browse/FolderListing.h"
#include "toolkit/PathFile.h"
#include "toolkit/Platform.h"

#include <QAbstractListModel>
#include <QMouseEvent>

// The names as read, bytes kept; a name's text is made only when it is drawn.
class TFileNames : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void Set(std::vector<std::string> names)
    {
        beginResetModel();
        names_ = std::move(names);
        endResetModel();
    }
    const std::string& Name(int row) const { return names_[static_cast<std::size_t>(row)]; }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(names_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        // Bytes that are not UTF-8 show as a replacement character.
        if (role == Qt::DisplayRole && index.isValid())
            return QString::fromStdString(Name(index.row()));
        return {};
    }

private:
    std::vector<std::string> names_;
};

TFileListBox::TFileListBox(QWidget* parent) : QListView(parent), names_(new TFileNames(this))
{
    setModel(names_);
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
    return names_->rowCount();
}

std::string TFileListBox::Entry(int index) const
{
    return names_->Name(index);
}

bool TFileListBox::Selected(int index) const
{
    return selectionModel()->isRowSelected(index);
}

void TFileListBox::Select(int index)
{
    selectionModel()->select(names_->index(index), QItemSelectionModel::Select);
}

void TFileListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void TFileListBox::SetListing(const std::string& folder, std::vector<std::string> names)
{
    directory_ = NormalizeFolder(folder);
    Show(std::move(names));
}

void TFileListBox::Reread()
{
    Show(ListMatchingFiles(directory_, mask_));
}

void TFileListBox::Show(std::vector<std::string> names)
{
    names_->Set(std::move(names));
}
