// TBitmap: the two pixel formats, pixel access, resizing and assignment.

#include "toolkit/Bitmap.h"
#include "toolkit/RunTime.h"

#include <gtest/gtest.h>

namespace {

TEST(Bitmap, PixelsRoundTripInBlueGreenRedRows)
{
    TBitmap bitmap(3, 2);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap.Pixel(2, 1), clBlack);
    bitmap.SetPixel(2, 1, RGBToColor(10, 20, 30));
    EXPECT_EQ(bitmap.Pixel(2, 1), RGBToColor(10, 20, 30));
    const uchar* row = bitmap.Image().constScanLine(1);
    EXPECT_EQ(row[6], 30);
    EXPECT_EQ(row[7], 20);
    EXPECT_EQ(row[8], 10);
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{3, 0}, std::pair{0, 2}}) {
        bitmap.SetPixel(x, y, clWhite);
        EXPECT_EQ(bitmap.Pixel(x, y), -1);
    }
}

TEST(Bitmap, EightBitPixelsTakeTheNearestPaletteColour)
{
    TBitmap bitmap(2, 2, TPixelFormat::pf8bit);
    bitmap.SetPalette({qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 0, 200)});
    bitmap.SetPixel(1, 0, RGBToColor(180, 30, 10));
    bitmap.SetPixel(0, 1, RGBToColor(0, 10, 255));
    EXPECT_EQ(bitmap.Pixel(1, 0), RGBToColor(200, 0, 0));
    EXPECT_EQ(bitmap.Pixel(0, 1), RGBToColor(0, 0, 200));
    EXPECT_EQ(bitmap.Pixel(0, 0), clBlack);
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndZeroSidesAreEmpty)
{
    TBitmap bitmap(2, 2);
    bitmap.SetPixel(1, 1, clYellow);
    bitmap.SetSize(4, 3);
    EXPECT_EQ(bitmap.Pixel(1, 1), clYellow);
    EXPECT_EQ(bitmap.Pixel(3, 2), clBlack);
    bitmap.SetWidth(0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    bitmap.SetSize(-5, 7);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, AssignCopiesAndTheCopyIsIndependent)
{
    TBitmap source(2, 1);
    source.SetPixel(0, 0, clBlue);
    TBitmap copy;
    copy.Assign(source);
    copy.SetPixel(0, 0, clWhite);
    EXPECT_EQ(source.Pixel(0, 0), clBlue);
    EXPECT_EQ(copy.Width(), 2);
}

TEST(Bitmap, TakesAnyQImageInOneOfItsTwoFormats)
{
    QImage mono(4, 4, QImage::Format_Mono);
    mono.fill(1);
    EXPECT_EQ(TBitmap(mono).PixelFormat(), TPixelFormat::pf8bit);
    QImage argb(4, 4, QImage::Format_ARGB32);
    argb.fill(qRgba(1, 2, 3, 255));
    const TBitmap bitmap(argb);
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap.Image().format(), QImage::Format_BGR888);
    EXPECT_EQ(bitmap.Pixel(3, 3), RGBToColor(1, 2, 3));
}

}  // namespace
