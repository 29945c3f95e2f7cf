#include "album/AlbumThumbs.h"

#include "imaging/JPEGCodec.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "toolkit/RunTime.h"

#include <gtest/gtest.h>

namespace {

TEST(AlbumThumbs, SizesComeFromPixelsOrTruncatedPercentages)
{
    const struct {
        const char* name;
        TThumbSettings settings;
        int width, height;
        TThumbSize size;  // 0 x 0: the settings cannot be used
    } cases[] = {
        {"pixels, whatever the picture", {1, "100", "100", "20", "20"}, 4000, 30, {100, 100}},
        {"20 % of 1024 x 768", {2, "100", "100", "20", "20"}, 1024, 768, {204, 153}},
        {"any mode but 1 is percentages", {7, "1", "1", "50", "10"}, 9, 99, {4, 9}},
        {"a percentage rounding to 0", {2, "100", "100", "1", "20"}, 99, 100, {}},
        {"a width of 0", {1, "0", "10", "20", "20"}, 10, 10, {}},
        {"a negative height", {1, "10", "-5", "20", "20"}, 10, 10, {}},
        {"not a number", {1, "ten", "10", "20", "20"}, 10, 10, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.size.width == 0)
            EXPECT_THROW(ThumbSize(c.settings, c.width, c.height), EConvertError);
        else
            EXPECT_EQ(ThumbSize(c.settings, c.width, c.height), c.size);
    }
}

TEST(AlbumThumbs, ReductionTakesTheSteppedPixelAndStaysInsideThePicture)
{
    // Pixel (x, y) of the 4 x 3 source holds the colour 10 x + y.
    TBitmap source(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            source.SetPixel(x, y, 10 * x + y);
    const struct {
        const char* name;
        TThumbSize size;
        std::vector<std::vector<TColor>> rows;
    } cases[] = {
        {"smaller", {2, 1}, {{22, 32}}},
        // The picture shifted one pixel left and up; the last column and row repeat.
        {"equal", {4, 3}, {{11, 21, 31, 31}, {12, 22, 32, 32}, {12, 22, 32, 32}}},
        {"larger", {6, 4}, {{0, 10, 20, 20, 30, 30}, {1, 11, 21, 21, 31, 31}, {2, 12, 22, 22, 32, 32},
                           {2, 12, 22, 22, 32, 32}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TBitmap thumb = ReduceNearest(source, c.size);
        std::vector<std::vector<TColor>> rows(static_cast<std::size_t>(thumb.Height()));
        for (int y = 0; y < thumb.Height(); ++y)
            for (int x = 0; x < thumb.Width(); ++x)
                rows[static_cast<std::size_t>(y)].push_back(thumb.Pixel(x, y));
        EXPECT_EQ(rows, c.rows);
    }
}

TEST(AlbumThumbs, AThumbnailIsProgressiveExactlyWhenItsPictureIs)
{
    TTempDir dir;
    const TThumbSettings settings{1, "16", "12", "20", "20"};
    for (const bool progressive : {false, true}) {
        const std::string path = dir.File(progressive ? "p.jpg" : "b.jpg");
        WriteTestJpeg(path, 64, 48, {.progressive = progressive});
        const TJPEGHeader header = ReadJPEGHeader(MakeThumbnail(path, settings, {}));
        EXPECT_EQ(header.progressive, progressive);
        EXPECT_EQ(header.width, 16);
        EXPECT_EQ(header.height, 12);
    }
}

} // namespace
