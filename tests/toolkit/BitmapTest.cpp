// TBitmap: the two pixel formats, pixel access, resizing, assignment and drawing a part.

#include "toolkit/Bitmap.h"
#include "toolkit/RunTime.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <set>

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

TEST(Bitmap, HoldingKeepsAReadersThirtyTwoBitRowsUncopied)
{
    QImage rgb32(4, 4, QImage::Format_RGB32);
    rgb32.fill(qRgb(1, 2, 3));
    const TBitmap held = TBitmap::Holding(rgb32);
    EXPECT_EQ(held.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(held.Image().constBits(), rgb32.constBits());
    EXPECT_EQ(held.Pixel(3, 3), RGBToColor(1, 2, 3));
    QImage argb(4, 4, QImage::Format_ARGB32);
    argb.fill(qRgba(1, 2, 3, 255));
    EXPECT_EQ(TBitmap::Holding(argb).PixelFormat(), TPixelFormat::pf24bit);
}

TEST(Bitmap, DrawsAPartOfItselfScaledSharpOrSmooth)
{
    TBitmap bitmap(4, 2);
    const auto at = [](int x, int y) { return qRgb(60 * x, 100 * y, 50); };
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            bitmap.Image().setPixel(x, y, at(x, y));
    struct Case {
        const char* name;
        QRectF source;
        TDrawFilter filter;
        std::set<QRgb> colours;  // every colour in the target; none: blends, more than two
    };
    const Case cases[] = {
        {"sharp, one pixel fills the target", {0, 0, 1, 1}, TDrawFilter::Sharp, {at(0, 0)}},
        {"sharp, one pixel off the origin", {3, 1, 1, 1}, TDrawFilter::Sharp, {at(3, 1)}},
        {"sharp, two pixels stay two colours", {1, 1, 2, 1}, TDrawFilter::Sharp, {at(1, 1), at(2, 1)}},
        {"smooth, two pixels blend", {1, 1, 2, 1}, TDrawFilter::Smooth, {}},
    };
    const QRgb untouched = qRgb(1, 2, 3);
    const QRect target(5, 5, 40, 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage canvas(50, 50, QImage::Format_RGB32);
        canvas.fill(untouched);
        {
            QPainter painter(&canvas);
            const bool hint = c.filter == TDrawFilter::Sharp;  // the opposite of what is asked
            painter.setRenderHint(QPainter::SmoothPixmapTransform, hint);
            bitmap.DrawPart(painter, target, c.source, c.filter);
            EXPECT_EQ(painter.testRenderHint(QPainter::SmoothPixmapTransform), hint);
        }
        std::set<QRgb> colours;
        for (int y = target.top(); y <= target.bottom(); ++y)
            for (int x = target.left(); x <= target.right(); ++x)
                colours.insert(canvas.pixel(x, y));
        if (c.colours.empty())
            EXPECT_GT(colours.size(), 2u);
        else
            EXPECT_EQ(colours, c.colours);
        EXPECT_EQ(canvas.pixel(target.left() - 1, target.top() - 1), untouched);
        EXPECT_EQ(canvas.pixel(target.right() + 1, target.bottom() + 1), untouched);
    }
}

}  // namespace
