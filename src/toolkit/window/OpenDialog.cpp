#include "toolkit/window/OpenDialog.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>

QStringList TOpenDialog::Chosen() const
{
    return listed_ ? *listed_ : selectedFiles();
}

void TOpenDialog::accept()
{
    listed_.reset();
    // Only Qt's own dialog has the list; a native one answers for itself.
    const auto* list = findChild<QAbstractItemView*>("listView");
    const auto* name = findChild<QLineEdit*>("fileNameEdit");
    if (fileMode() == ExistingFiles && list && name && name->text().contains('"')) {
        QStringList files;
        for (const QModelIndex& row : list->selectionModel()->selectedRows()) {
            const QString path = row.data(QFileSystemModel::FilePathRole).toString();
            if (QFileInfo(path).isFile())
                files << path;
        }
        if (!files.isEmpty()) {
            listed_ = files;
            QDialog::accept();
            return;
        }
    }
    QFileDialog::accept();
}
