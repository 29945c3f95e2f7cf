#pragma once
// libjpeg's own decoding of a file, straight into a buffer, to compare Lumora's with.

#include <QByteArray>

#include <cstdint>
#include <vector>

#include <cstdio>
#include <jpeglib.h>

struct TReferenceImage {
    int width = 0;
    int height = 0;
    int components = 0;
    std::vector<std::uint8_t> samples;  // rows packed, components interleaved

    int At(int x, int y, int component) const
    {
        return samples[(static_cast<std::size_t>(y) * width + x) * components + component];
    }
};

// Float DCT and block smoothing, as Lumora decodes by default.
TReferenceImage ReferenceDecode(const QByteArray& bytes, J_COLOR_SPACE outColorSpace);
