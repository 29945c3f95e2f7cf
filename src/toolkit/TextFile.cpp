#include "toolkit/TextFile.h"

#include "toolkit/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::string ToCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string FromCrLf(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        out += bytes[i];
    }
    return out;
}

bool WriteTextFileAtomic(const std::string& path, std::string_view text, TMissingFolder missing)
{
    const QString name = QFile::decodeName(path.c_str());
    const QFileInfo info(name);
    // A rename would replace a file the user marked read-only; the mode bit decides,
    // since the super-user may write anything.
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        return false;
    if (missing == TMissingFolder::Make)
        QDir().mkpath(info.absolutePath());
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string bytes = ToCrLf(text);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return CommitWhole(file);
}

std::optional<std::string> ReadTextFile(const std::string& path)
{
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return FromCrLf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
