#include "toolkit/window/QtDialogs.h"

#include "toolkit/window/OpenDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QMessageBox>
#include <QStringList>

namespace {

QString AppTitle()
{
    return "Lumora";
}

// "JPG(*.jpg)|*.jpg|All File(*.*)|*.*" becomes Qt's "JPG(*.jpg) (*.jpg);;All File(*.*) (*.*)".
QString QtFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return entries.join(";;");
}

} // namespace

void TQtDialogs::ShowMessage(const std::string& text, TMessageKind kind)
{
    const QString body = QString::fromStdString(text);
    QWidget* parent = QApplication::activeWindow();
    switch (kind) {
    case TMessageKind::Plain:
        QMessageBox::information(parent, AppTitle(), body);
        break;
    case TMessageKind::Information:
        QMessageBox::information(parent, "Information", body);
        break;
    case TMessageKind::Error:
        QMessageBox::critical(parent, "Error", body);
        break;
    }
}

bool TQtDialogs::AskYesNo(const std::string& text)
{
    return QMessageBox::question(QApplication::activeWindow(), "Confirm", QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

std::vector<std::string> TQtDialogs::OpenFiles(const TOpenFileRequest& request)
{
    TOpenDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title),
                       QFile::decodeName(request.initialFolder.c_str()), QtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    std::vector<std::string> files;
    if (dialog.exec() != QDialog::Accepted)
        return files;
    for (const QString& name : dialog.Chosen())
        files.push_back(QFile::encodeName(name).toStdString());
    return files;
}

std::optional<TColor> TQtDialogs::PickColor(TColor initial)
{
    const QColor c = QColorDialog::getColor(ColorToQColor(initial), QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return QColorToColor(c);
}
