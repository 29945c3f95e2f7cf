#pragma once
// What tells one state of a file from another: its size and modification time, so that
// whatever keeps something made from a file can tell when the file has changed.

#include <cstdint>
#include <optional>
#include <string>

struct TFileStamp {
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // nanoseconds since 1970
    bool operator==(const TFileStamp&) const = default;
    // The modification time in whole seconds, as the desktop's thumbnail cache keeps it.
    std::int64_t ModifiedSeconds() const;
};

// One look at the file; nothing when it is not a regular file or cannot be looked at.
std::optional<TFileStamp> FileStamp(const std::string& path);
