#pragma once
// Test pictures of the types the all-types switch adds, made by the formats' own writers:
// Qt's (PNG, GIF, WebP, TIFF), the libraries' command-line encoders (heif-enc for HEIC and
// AVIF, cjxl for JPEG XL), a DNG written here byte by byte, and SVG as text.
//
//   WriteFileBytes(dir.File("a.png"), MakeTypePicture("png", TestPatternImage(64, 48)));

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QStringList>

#include <optional>
#include <string>

struct TTypeOptions {
    int orientation = 1;  // an orientation the file records (TIFF, DNG; 1 for the others)
    int frames = 1;       // GIF: more than 1 makes a moving picture, each frame a shade darker
    int thumbnail = 0;    // an embedded thumbnail's bounding size in pixels (HEIC, AVIF; 0 for none)
    QSize preview;        // DNG: a JPEG preview of this size, rows as the raw data's (none when empty)
    std::optional<QRgb> previewFlat;  // DNG: the preview one colour all over instead of the pattern
    bool fast = false;    // HEIC, AVIF, JPEG XL: the encoder's quickest settings, for large pictures
    bool lossy = false;   // WebP, JPEG XL: as a photo is kept, not lossless
    QStringList heifArguments;  // HEIC, AVIF: heif-enc's own options besides (a matrix, a range)
    int squares = 0;      // SVG: the picture drawn as this many squares of its colours across
                          // (0: one rectangle of its first pixel's colour)
};

// The picture's pixels in a file of the type extension names; a maker that fails stops
// the test program, since every test after it would be wrong.
QByteArray MakeTypePicture(const std::string& extension, const QImage& image, const TTypeOptions& options = {});
