#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

TTempDir::TTempDir() = default;

TTempDir::~TTempDir()
{
    // By bytes: Qt cannot remove a file whose name is not UTF-8.
    std::error_code error;
    std::filesystem::remove_all(Path(), error);
}

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
    // By the path's bytes, which a QString may not hold.
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
