#pragma once
// What a picture file may be, or ask for, before it is refused: past these a damaged or
// hostile file would have the program read or allocate gigabytes.

#include <cstdint>

// A picture file larger than this is refused before it is read.
constexpr std::int64_t kMaxPictureFileBytes = std::int64_t{1} << 30;

// A picture whose decoded bitmap would take more bytes than this is refused at its header.
constexpr std::int64_t kMaxDecodedBytes = std::int64_t{1} << 30;
