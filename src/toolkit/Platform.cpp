#include "toolkit/Platform.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>
#include <cstdlib>

namespace {

std::string Encode(const QString& s)
{
    return QFile::encodeName(s).toStdString();
}

std::string WithTrailingDelim(std::string folder)
{
    if (folder.empty() || folder.back() != PathDelim)
        folder += PathDelim;
    return folder;
}

} // namespace

std::vector<std::string> DriveList()
{
    std::vector<std::string> drives{Encode(QDir::rootPath()), NormalizeFolder(Encode(QDir::homePath()))};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        // Real file systems sit on a device; snaps are read-only images of packages.
        if (!volume.device().startsWith("/dev/") || volume.fileSystemType() == "squashfs")
            continue;
        const std::string root = NormalizeFolder(Encode(volume.rootPath()));
        if (std::find(drives.begin(), drives.end(), root) == drives.end())
            drives.push_back(root);
    }
    return drives;
}

std::string SettingsFilePath()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder = (config && *config) ? std::string(config) : Encode(QDir::homePath()) + "/.config";
    return WithTrailingDelim(folder) + "lumora" + PathDelim + "InitShow.txt";
}

TDefaultSettings WindowsDefaultSettings()
{
    return {"photoed.exe", "C:\\Program Files\\Common Files\\Microsoft Shared\\PhotoEd\\", "C:\\"};
}

TDefaultSettings PlatformDefaultSettings()
{
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty() || !QDir(pictures).exists())
        pictures = QDir::homePath();
    return {"gimp", "/usr/bin/", WithTrailingDelim(Encode(pictures))};
}

std::string NormalizeFolder(const std::string& folder)
{
    std::string out = folder;
    while (out.size() > 1 && out.back() == PathDelim)
        out.pop_back();
    return out;
}
