#include "settings/OwnSettings.h"

#include "toolkit/PathFile.h"
#include "toolkit/SaveFile.h"

namespace {

constexpr const char* kAllPictureTypes = "AllPictureTypes=";

bool StartsWith(const std::string& line, const char* start)
{
    return line.rfind(start, 0) == 0;
}

}  // namespace

std::string OwnSettingsPath(const std::string& settingsFilePath)
{
    const auto slash = settingsFilePath.find_last_of('/');
    return (slash == std::string::npos ? std::string{} : settingsFilePath.substr(0, slash + 1)) + "lumora.conf";
}

TOwnSettings ReadOwnSettings(const std::string& path)
{
    TOwnSettings settings;
    TPathFile file;
    std::string reason;
    if (!file.OpenToRead(path, reason))
        return settings;
    while (!file.atEnd()) {
        std::string line = file.readLine(4096).toStdString();
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (StartsWith(line, kAllPictureTypes))
            settings.allPictureTypes = line.substr(std::string(kAllPictureTypes).size()) == "1";
        else if (!line.empty())
            settings.unknown.push_back(line);
    }
    return settings;
}

bool WriteOwnSettings(const std::string& path, const TOwnSettings& settings, std::string& reason)
{
    std::string text = std::string(kAllPictureTypes) + (settings.allPictureTypes ? "1" : "0") + "\n";
    for (const std::string& line : settings.unknown)
        text += line + "\n";
    TSaveFile file(path);
    const bool written = file.Open() && file.Device().write(text.data(), static_cast<qint64>(text.size()))
                                            == static_cast<qint64>(text.size())
                         && file.Commit();
    if (!written)
        reason = file.Reason();
    return written;
}
