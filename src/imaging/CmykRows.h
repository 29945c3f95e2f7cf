#pragma once
// Turning CMYK rows from libjpeg into bitmap rows. libjpeg converts YCCK to CMYK
// itself but offers no CMYK to RGB conversion.

#include <QList>
#include <QRgb>

#include <cstdint>

enum class TCmykTarget {
    Bgr24,      // 3 bytes per pixel, blue, green, red
    GreyIndex,  // 1 byte per pixel, an index into CmykGreyPalette()
    CubeIndex,  // 1 byte per pixel, an index into CmykCubePalette()
};

// Converts one row of width pixels. inverted: the values are stored inverted, 0 for
// full ink, as Adobe's software writes them (the file carries an Adobe marker).
void ConvertCmykRow(const std::uint8_t* cmyk, std::uint8_t* out, int width, bool inverted,
                    TCmykTarget target);

// kPaletteColors evenly spaced greys, black first.
QList<QRgb> CmykGreyPalette();
// A 6 x 6 x 6 colour cube: index 36 r + 6 g + b for levels 0..5 of 51 each.
QList<QRgb> CmykCubePalette();
