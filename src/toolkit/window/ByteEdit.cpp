#include "toolkit/window/ByteEdit.h"

#include <QFile>
#include <QLineEdit>

namespace {
constexpr const char* kBytes = "lumoraBytes";
}

void SetEditBytes(QLineEdit* edit, const std::string& bytes)
{
    edit->setProperty(kBytes, QByteArray::fromStdString(bytes));
    edit->setText(QFile::decodeName(edit->property(kBytes).toByteArray()));
}

std::string EditBytes(const QLineEdit* edit)
{
    const QByteArray bytes = edit->property(kBytes).toByteArray();
    if (QFile::decodeName(bytes) == edit->text())
        return bytes.toStdString();
    return QFile::encodeName(edit->text()).toStdString();
}
