#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TTempDir::TTempDir() = default;

std::string TTempDir::Path() const
{
    return QFile::encodeName(dir_.path()).toStdString();
}

std::string TTempDir::File(const std::string& name) const
{
    return Path() + "/" + name;
}

std::string TTempDir::Write(const std::string& name, const std::string& bytes) const
{
    const std::string path = File(name);
    const QString qpath = QFile::decodeName(path.c_str());
    QDir().mkpath(QFileInfo(qpath).absolutePath());
    QFile f(qpath);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

std::string TTempDir::WriteSized(const std::string& name, std::size_t size) const
{
    return Write(name, std::string(size, 'x'));
}

std::string ReadBytes(const std::string& path)
{
    QFile f(QFile::decodeName(path.c_str()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().toStdString();
}
