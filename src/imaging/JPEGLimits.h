#pragma once
// The limits of JPEG decoding beside those of every picture (kMaxDecodedBytes): how
// many scans a file may hold and how many colours an 8-bit bitmap gets.

#include "toolkit/PictureLimits.h"

// More scans than this make a progressive file hostile: decoding stops with an error.
constexpr int kMaxJPEGScans = 500;

// 8-bit output uses at most this many palette entries, leaving the 20 that a
// palette screen keeps for its own colours.
constexpr int kPaletteColors = 236;
