#include "toolkit/FileStamp.h"

#include <sys/stat.h>

namespace {
constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
}  // namespace

std::int64_t TFileStamp::ModifiedSeconds() const
{
    // Rounded down, as the file system counts a time before 1970.
    return modified / kNanosecondsPerSecond - (modified % kNanosecondsPerSecond < 0 ? 1 : 0);
}

std::optional<TFileStamp> FileStamp(const std::string& path)
{
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode))
        return std::nullopt;
    return TFileStamp{static_cast<std::uintmax_t>(file.st_size),
                      std::int64_t{file.st_mtim.tv_sec} * kNanosecondsPerSecond + file.st_mtim.tv_nsec};
}
