#include "toolkit/TextFile.h"

#include "toolkit/PathFile.h"
#include "toolkit/SaveFile.h"

#include <filesystem>
#include <system_error>

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
    namespace fs = std::filesystem;
    std::error_code error;
    // A rename would replace a file the user marked read-only; the mode bit decides,
    // since the super-user may write anything.
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return false;
    if (missing == TMissingFolder::Make)
        fs::create_directories(fs::absolute(path, error).parent_path(), error);
    TSaveFile file(path);
    if (!file.Open())
        return false;
    const std::string bytes = ToCrLf(text);
    if (file.Device().write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        return false;
    return file.Commit();
}

std::optional<std::string> ReadTextFile(const std::string& path)
{
    TPathFile file;
    std::string reason;
    if (!file.OpenToRead(path, reason))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return FromCrLf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
