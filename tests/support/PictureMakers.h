#pragma once
// Test pictures written with libjpeg directly (not through Lumora's codec) and with
// Qt's BMP writer, so tests and fuzz seeds do not depend on the code they check.
//
//   WriteTestJpeg(dir.File("a.jpg"), 1024, 768);
//   WriteTestJpeg(dir.File("p.jpg"), 64, 48, {.progressive = true});
//   WriteTestJpeg(dir.File("t.jpg"), 64, 48, {.truncateTo = 600});
//   WriteTestBmp(dir.File("b.bmp"), 32, 16);

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

enum class TJpegColor {
    Rgb,   // 3 components, YCbCr in the file
    Grey,  // 1 component
    Cmyk,  // 4 components
    Ycck,  // 4 components, Adobe's YCCK transform
};

struct TJpegOptions {
    TJpegColor color = TJpegColor::Rgb;
    bool progressive = false;   // libjpeg's simple progression
    int scans = 0;              // > 0: a progressive file with exactly this many scans
                                // (at least 1 + 63 x components)
    bool adobeInverted = true;  // Cmyk: Adobe marker and inverted ink values, as print
                                // software writes them; false: plain values, no marker
    int quality = 90;
    int restartRows = 0;        // restart markers every so many MCU rows
    bool arithmetic = false;    // arithmetic instead of Huffman coding
    std::size_t truncateTo = 0; // keep only the first bytes (0: the whole file)
    int announcedWidth = 0;     // rewrite the frame header's size (0: the real one)
    int announcedHeight = 0;
    int precision = 8;          // the frame header's sample precision: 12 makes the file
                                // announce 12-bit samples, which an 8-bit libjpeg refuses
    QByteArray exif;            // the body of an APP1 segment written first (none when empty)
    QByteArray iccProfile;      // an ICC profile in APP2 segments (none when empty)
    std::optional<QRgb> flat;   // one colour all over instead of the test pattern
    bool checkered = false;     // one-pixel black and white squares instead: detail that
                                // any resampling blurs
};

// The pattern every test picture shows: smooth gradients, so lossy decodes stay close.
QRgb TestPatternPixel(int x, int y, int width, int height);
// The pattern as a 24-bit image.
QImage TestPatternImage(int width, int height);

QByteArray MakeTestJpeg(int width, int height, const TJpegOptions& options = {});
void WriteTestJpeg(const std::string& path, int width, int height, const TJpegOptions& options = {});

// An APP1 body as a camera writes it, cut down to the one entry that matters: "Exif\0\0",
// a little-endian TIFF header and a first directory holding only the orientation.
QByteArray ExifWithOrientation(int orientation);
// The same with a second directory holding a JPEG preview (thumbnail), as cameras add one.
QByteArray ExifWithPreview(int orientation, const QByteArray& previewJpeg);

// A 24-bit BMP of the test pattern; a valid announced size rewrites its header's size.
QByteArray MakeTestBmp(int width, int height, QSize announced = {});
void WriteTestBmp(const std::string& path, int width, int height);

// Writes bytes to a file; throws std::runtime_error when it cannot.
void WriteFileBytes(const std::string& path, const QByteArray& bytes);

// A file of size bytes that holds only holes (sparse): it claims its size, costs no disk.
void WriteSparseFile(const std::string& path, std::int64_t size);

// Writes a picture followed by zero bytes up to size, which no picture reader looks at:
// a real picture with a file size of the test's choosing.
void WritePaddedPicture(const std::string& path, QByteArray picture, std::size_t size);
