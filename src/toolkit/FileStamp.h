#pragma once
// What tells one state of a file from another: its size and modification time, so that
// whatever keeps something made from a file can tell when the file has changed.

#include <cstdint>
#include <optional>
#include <string>

struct TFileStamp {
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // nanoseconds of the file system's clock
    bool operator==(const TFileStamp&) const = default;
};

// Nothing when the file cannot be looked at.
std::optional<TFileStamp> FileStamp(const std::string& path);
