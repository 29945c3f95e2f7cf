#pragma once
// The file-open dialog. Qt's own dialog reads a multi-selection back from its name
// field, where each name stands in double quotes, so a selection holding a name with a
// double quote in it was lost and Open did nothing. The selection is taken from the
// dialog's list instead.

#include <QFileDialog>
#include <QStringList>

#include <optional>

class TOpenDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The chosen files, full paths, after the dialog was accepted.
    QStringList Chosen() const;

    void accept() override;

private:
    std::optional<QStringList> listed_;
};
