#pragma once
// The limits of JPEG decoding: what a file may ask for before it is refused, and how
// many colours an 8-bit bitmap gets.

#include <cstdint>

// A picture whose decoded bitmap would take more bytes than this is refused at its header.
constexpr std::int64_t kMaxDecodedBytes = std::int64_t{1} << 30;

// More scans than this make a progressive file hostile: decoding stops with an error.
constexpr int kMaxJPEGScans = 500;

// 8-bit output uses at most this many palette entries, leaving the 20 that a
// palette screen keeps for its own colours.
constexpr int kPaletteColors = 236;
