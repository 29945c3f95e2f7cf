#pragma once
// The settings of one JPEG picture, and the decoding parameters they give. Plain values:
// a worker thread gets its own copy and never reads the class defaults.

#include "imaging/JPEGCodec.h"

#include <cstdint>

enum class TJPEGPerformance : std::uint8_t { jpBestQuality, jpBestSpeed };
enum class TJPEGPixelFormat : std::uint8_t { jf24Bit, jf8Bit };
enum class TJPEGScale : std::uint8_t { jsFullSize, jsHalf, jsQuarter, jsEighth };

// The settings of one TJPEGImage, as the record of class defaults holds them.
struct TJPEGSettings {
    std::uint8_t EncodeQuality = 90;       // 1 to 100
    bool GrayMode = false;                 // decode to grey; encode a greyscale file
    TJPEGPerformance SpeedMode = TJPEGPerformance::jpBestQuality;
    TJPEGPixelFormat OutputDepth = TJPEGPixelFormat::jf24Bit;
    bool ShowProgressively = false;        // decode progressive files scan by scan
    bool WriteProgressive = false;         // encode a progressive file; every load sets it
    TJPEGScale ScaleDown = TJPEGScale::jsFullSize;
    bool BlockSmoothing = true;
};

// What DecodeJPEG is asked for under these settings.
TJPEGDecodeParams JPEGDecodeParams(const TJPEGSettings& settings);
