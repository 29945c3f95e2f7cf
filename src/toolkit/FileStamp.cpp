#include "toolkit/FileStamp.h"

#include <chrono>
#include <filesystem>
#include <system_error>

std::optional<TFileStamp> FileStamp(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return TFileStamp{size, std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count()};
}
