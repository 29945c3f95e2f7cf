// Decoded pixels: compared with libjpeg's own decoding of the same file, or with the
// pattern the file was made from where libjpeg gives no RGB (CMYK).

#include "imaging/JPEGImage.h"
#include "imaging/Orientation.h"
#include "support/LibjpegReference.h"
#include "support/PictureMakers.h"

#include <gtest/gtest.h>

#include <QColorSpace>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

TBitmap Decode(const QByteArray& bytes, void (*configure)(TJPEGImage&) = nullptr)
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(bytes);
    if (configure)
        configure(jpeg);
    TBitmap bitmap;
    bitmap.Assign(jpeg);
    return bitmap;
}

// Blue, green, red as the bitmap's row holds them.
int Sample(const TBitmap& bitmap, int x, int y, int rgbComponent)
{
    return bitmap.Image().constScanLine(y)[x * 3 + (2 - rgbComponent)];
}

int PaletteGrey(const TBitmap& bitmap, int x, int y)
{
    const QRgb rgb = bitmap.Palette().at(bitmap.Image().constScanLine(y)[x]);
    EXPECT_TRUE(qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb));
    return qRed(rgb);
}

int Luma(QRgb rgb)
{
    return (qRed(rgb) * 77 + qGreen(rgb) * 150 + qBlue(rgb) * 29 + 128) >> 8;
}

void ExpectIndexedWithin236(const TBitmap& bitmap)
{
    ASSERT_EQ(bitmap.PixelFormat(), TPixelFormat::pf8bit);
    const qsizetype colors = bitmap.Palette().size();
    EXPECT_GT(colors, 0);
    EXPECT_LE(colors, 236);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            ASSERT_LT(bitmap.Image().constScanLine(y)[x], colors);
}

TEST(JPEGDecode, ColourRowsAreLibjpegsOwnInBlueGreenRedOrder)
{
    struct Case {
        const char* name;
        int width, height;
        TJpegOptions options;
        bool showProgressively;
    };
    const Case cases[] = {
        {"baseline", 64, 48, {}, false},
        {"odd size", 37, 21, {}, false},
        {"progressive", 64, 48, {.progressive = true}, false},
        {"progressive scan by scan", 64, 48, {.progressive = true}, true},
        {"restart markers", 40, 40, {.restartRows = 1}, false},
        {"arithmetic coding", 40, 24, {.arithmetic = true}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = MakeTestJpeg(c.width, c.height, c.options);
        const TReferenceImage reference = ReferenceDecode(bytes, JCS_RGB);
        TJPEGImage jpeg;
        jpeg.LoadFromBytes(bytes);
        jpeg.SetShowProgressively(c.showProgressively);
        TBitmap bitmap;
        bitmap.Assign(jpeg);
        ASSERT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
        ASSERT_EQ(bitmap.Width(), c.width);
        ASSERT_EQ(bitmap.Height(), c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(Sample(bitmap, x, y, k), reference.At(x, y, k)) << x << "," << y;
    }
}

TEST(JPEGDecode, GreyOutputIsAGreyPaletteCloseToLibjpegsGrey)
{
    struct Case {
        const char* name;
        TJpegColor color;
        bool grayMode;
    };
    const Case cases[] = {
        {"grey file", TJpegColor::Grey, false},
        {"colour file in GrayMode", TJpegColor::Rgb, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = MakeTestJpeg(60, 40, {.color = c.color});
        const TReferenceImage reference = ReferenceDecode(bytes, JCS_GRAYSCALE);
        TJPEGImage jpeg;
        jpeg.LoadFromBytes(bytes);
        EXPECT_EQ(jpeg.Grayscale(), c.color == TJpegColor::Grey);
        jpeg.SetGrayMode(c.grayMode);
        TBitmap bitmap;
        bitmap.Assign(jpeg);
        ExpectIndexedWithin236(bitmap);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                ASSERT_NEAR(PaletteGrey(bitmap, x, y), reference.At(x, y, 0), 3) << x << "," << y;
    }
}

TEST(JPEGDecode, EightBitOutputHasAtMost236ColoursCloseToTheFullDecode)
{
    struct Case {
        const char* name;
        bool progressive;
        TJPEGPerformance speed;
        bool showProgressively;
    };
    const Case cases[] = {
        {"best quality", false, TJPEGPerformance::jpBestQuality, false},
        {"best speed", false, TJPEGPerformance::jpBestSpeed, false},
        {"scan by scan", true, TJPEGPerformance::jpBestQuality, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = MakeTestJpeg(80, 60, {.progressive = c.progressive});
        const TReferenceImage reference = ReferenceDecode(bytes, JCS_RGB);
        TJPEGImage jpeg;
        jpeg.LoadFromBytes(bytes);
        jpeg.SetOutputDepth(TJPEGPixelFormat::jf8Bit);
        jpeg.SetSpeedMode(c.speed);
        jpeg.SetShowProgressively(c.showProgressively);
        TBitmap bitmap;
        bitmap.Assign(jpeg);
        ExpectIndexedWithin236(bitmap);
        // Dithering spreads the error over its 16 x 16 matrix: compare block averages.
        for (int by = 0; by + 16 <= 60; by += 16)
            for (int bx = 0; bx + 16 <= 80; bx += 16)
                for (int k = 0; k < 3; ++k) {
                    int decoded = 0, expected = 0;
                    for (int y = by; y < by + 16; ++y)
                        for (int x = bx; x < bx + 16; ++x) {
                            decoded += (bitmap.Pixel(x, y) >> (8 * k)) & 0xFF;
                            expected += reference.At(x, y, k);
                        }
                    EXPECT_NEAR(decoded / 256.0, expected / 256.0, 6.0) << bx << "," << by << " component " << k;
                }
    }
}

TEST(JPEGDecode, CmykAndYcckComeOutInTheirTrueColours)
{
    struct Case {
        const char* name;
        TJpegOptions options;
    };
    const Case cases[] = {
        {"Adobe inverted CMYK", {.color = TJpegColor::Cmyk}},
        {"plain CMYK", {.color = TJpegColor::Cmyk, .adobeInverted = false}},
        {"YCCK", {.color = TJpegColor::Ycck}},
        {"progressive YCCK", {.color = TJpegColor::Ycck, .progressive = true}},
    };
    constexpr int kWidth = 48, kHeight = 32;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = MakeTestJpeg(kWidth, kHeight, c.options);
        const TBitmap colour = Decode(bytes);
        ASSERT_EQ(colour.PixelFormat(), TPixelFormat::pf24bit);
        const TBitmap grey = Decode(bytes, [](TJPEGImage& j) { j.SetGrayMode(true); });
        ExpectIndexedWithin236(grey);
        const TBitmap indexed = Decode(bytes, [](TJPEGImage& j) { j.SetOutputDepth(TJPEGPixelFormat::jf8Bit); });
        ExpectIndexedWithin236(indexed);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const QRgb expected = TestPatternPixel(x, y, kWidth, kHeight);
                const int rgb[3] = {qRed(expected), qGreen(expected), qBlue(expected)};
                for (int k = 0; k < 3; ++k) {
                    ASSERT_NEAR(Sample(colour, x, y, k), rgb[k], 12) << x << "," << y;
                    ASSERT_NEAR((indexed.Pixel(x, y) >> (8 * k)) & 0xFF, rgb[k], 25 + 12) << x << "," << y;
                }
                ASSERT_NEAR(PaletteGrey(grey, x, y), Luma(expected), 12) << x << "," << y;
            }
    }
}

TEST(JPEGDecode, AnEmbeddedProfileTurnsColoursIntoSRgbAndADamagedOneIsIgnored)
{
    const QRgb green = qRgb(100, 200, 100);
    const QByteArray adobe = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
    const struct {
        const char* name;
        QByteArray profile;
        bool converted;
    } cases[] = {
        {"none", {}, false},
        {"sRGB", QColorSpace(QColorSpace::SRgb).iccProfile(), false},
        {"Adobe RGB", adobe, true},
        {"cut short", adobe.left(adobe.size() / 2), false},
        {"not a profile", QByteArray(200, 'x'), false},
    };
    const TReferenceImage stored = ReferenceDecode(MakeTestJpeg(16, 16, {.flat = green}), JCS_RGB);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TBitmap bitmap = Decode(MakeTestJpeg(16, 16, {.iccProfile = c.profile, .flat = green}));
        ASSERT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
        if (c.converted) {
            // Adobe RGB's green lies outside sRGB: shown there, it keeps its green and loses its red.
            EXPECT_LT(Sample(bitmap, 8, 8, 0), 30);
            EXPECT_NEAR(Sample(bitmap, 8, 8, 1), stored.At(8, 8, 1), 10);
            continue;
        }
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(Sample(bitmap, x, y, k), stored.At(x, y, k)) << x << "," << y;
    }
}

TEST(JPEGDecode, APictureTurnedWhileDecodingIsThePictureDecodedThenTurned)
{
    struct TCase {
        const char* name;
        TJpegOptions options;
        TJPEGDecodeParams params;
    };
    const TCase cases[] = {
        {"colour", {}, {}},
        {"a quarter scale", {}, {.scaleDenominator = 4}},
        {"grey output", {}, {.grayMode = true}},
        {"8 bits", {}, {.eightBit = true}},
        {"CMYK", {.color = TJpegColor::Cmyk}, {}},
        {"shown progressively", {.progressive = true}, {.showProgressively = true}},
    };
    for (const TCase& c : cases)
        for (int orientation = 2; orientation <= 8; ++orientation) {
            SCOPED_TRACE(std::string(c.name) + ", orientation " + std::to_string(orientation));
            // 150 rows: strips of stored rows end inside the picture and at its end.
            TJpegOptions stored = c.options;
            const TBitmap plain = DecodeJPEG(MakeTestJpeg(70, 150, stored), c.params);
            stored.exif = ExifWithOrientation(orientation);
            TBitmap expected = plain;
            TurnUpright(expected, orientation);
            const TBitmap turned = DecodeJPEG(MakeTestJpeg(70, 150, stored), c.params);
            EXPECT_TRUE(turned.Image() == expected.Image());
        }
}

TEST(JPEGDecode, TruncatedFileDecodesItsFirstRowsAndFillsTheRest)
{
    constexpr int kSize = 128;
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive);
        const QByteArray whole = MakeTestJpeg(kSize, kSize, {.progressive = progressive});
        // Cut inside entropy-coded data: a cut inside a table definition is damage, not an early end.
        const qsizetype scan = whole.indexOf("\xFF\xDA");
        const qsizetype next = whole.indexOf("\xFF\xC4", scan);
        const QByteArray cut = whole.left(progressive ? (scan + next) / 2 : whole.size() / 2);
        const TBitmap full = Decode(whole);
        const TBitmap part = Decode(cut);
        ASSERT_EQ(part.Width(), kSize);
        ASSERT_EQ(part.Height(), kSize);
        if (!progressive)
            for (int y = 0; y < 8; ++y)
                ASSERT_EQ(std::memcmp(part.Image().constScanLine(y), full.Image().constScanLine(y), kSize * 3), 0);
        // What the file no longer holds is one flat fill, not leftover memory.
        const uchar* last = part.Image().constScanLine(kSize - 1);
        for (int y = kSize - 8; y < kSize; ++y)
            for (int x = 0; x < kSize * 3; x += 3)
                for (int k = 0; k < 3; ++k)
                    ASSERT_NEAR(part.Image().constScanLine(y)[x + k], last[k], progressive ? 40 : 0);
    }
}

}  // namespace
