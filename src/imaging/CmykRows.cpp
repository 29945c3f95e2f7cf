#include "imaging/CmykRows.h"

#include "imaging/JPEGLimits.h"

namespace {

// a * b / 255, rounded.
int Scale(int a, int b)
{
    const int t = a * b + 128;
    return (t + (t >> 8)) >> 8;
}

}  // namespace

void ConvertCmykRow(const std::uint8_t* cmyk, std::uint8_t* out, int width, bool inverted,
                    TCmykTarget target)
{
    const int flip = inverted ? 0 : 255;
    for (int x = 0; x < width; ++x, cmyk += 4) {
        // With ink stored inverted, each value is already the light left by its ink.
        const int k = cmyk[3] ^ flip;
        const int r = Scale(cmyk[0] ^ flip, k);
        const int g = Scale(cmyk[1] ^ flip, k);
        const int b = Scale(cmyk[2] ^ flip, k);
        switch (target) {
        case TCmykTarget::Bgr24:
            *out++ = static_cast<std::uint8_t>(b);
            *out++ = static_cast<std::uint8_t>(g);
            *out++ = static_cast<std::uint8_t>(r);
            break;
        case TCmykTarget::GreyIndex: {
            const int luma = (r * 77 + g * 150 + b * 29 + 128) >> 8;
            *out++ = static_cast<std::uint8_t>((luma * (kPaletteColors - 1) + 127) / 255);
            break;
        }
        case TCmykTarget::CubeIndex:
            *out++ = static_cast<std::uint8_t>(36 * ((r + 25) / 51) + 6 * ((g + 25) / 51) + (b + 25) / 51);
            break;
        }
    }
}

QList<QRgb> CmykGreyPalette()
{
    QList<QRgb> colors;
    for (int i = 0; i < kPaletteColors; ++i) {
        const int v = (i * 255 + (kPaletteColors - 1) / 2) / (kPaletteColors - 1);
        colors.append(qRgb(v, v, v));
    }
    return colors;
}

QList<QRgb> CmykCubePalette()
{
    QList<QRgb> colors;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colors.append(qRgb(51 * r, 51 * g, 51 * b));
    return colors;
}
