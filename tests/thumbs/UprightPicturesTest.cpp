// A camera picture stored on its side, with the EXIF orientation that stands it upright:
// the board, the viewer, the slide show and the album all take it as it is shown.

#include "album/AlbumThumbs.h"
#include "imaging/DisplayCopy.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "thumbs/ThumbHeader.h"
#include "viewer/SlideLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The stored picture's corners as the test pattern colours them.
enum TCorner { TopLeft, TopRight, BottomLeft, BottomRight };

QRgb StoredCorner(TCorner corner, QSize stored)
{
    const int right = stored.width() - 1, bottom = stored.height() - 1;
    const QPoint at[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
    return TestPatternPixel(at[corner].x(), at[corner].y(), stored.width(), stored.height());
}

bool Near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40
           && std::abs(qBlue(a) - qBlue(b)) < 40;
}

TEST(UprightPictures, EveryWindowTakesAPictureAsItsOrientationShowsIt)
{
    const QSize stored(40, 24);
    const QSize window(200, 200);
    // Album thumbnails at 50 % of the width and 25 % of the height.
    const TThumbSettings percent{2, "", "", "50", "25"};
    const struct {
        int orientation;
        QSize shown;
        TCorner topLeft, topRight;  // the stored corners shown at the top
        QSize albumThumb;
    } cases[] = {
        {1, {40, 24}, TopLeft, TopRight, {20, 6}},
        {2, {40, 24}, TopRight, TopLeft, {20, 6}},
        {3, {40, 24}, BottomRight, BottomLeft, {20, 6}},
        {4, {40, 24}, BottomLeft, BottomRight, {20, 6}},
        {5, {24, 40}, TopLeft, BottomLeft, {12, 10}},
        {6, {24, 40}, BottomLeft, TopLeft, {12, 10}},
        {7, {24, 40}, BottomRight, TopRight, {12, 10}},
        {8, {24, 40}, TopRight, BottomRight, {12, 10}},
    };
    TTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.orientation);
        const std::string path = dir.File("turned" + std::to_string(c.orientation) + ".jpg");
        WriteTestJpeg(path, stored.width(), stored.height(), {.exif = ExifWithOrientation(c.orientation)});
        const std::string size = "W:" + std::to_string(c.shown.width()) + "xH:" + std::to_string(c.shown.height());

        TProfileShelf profiles;
        const TThumbHeader header = ReadThumbHeader(path, profiles);
        EXPECT_EQ(header.size, c.shown);
        EXPECT_EQ(header.orientation, c.orientation);
        EXPECT_EQ(ThumbHint("p", header, "1"), "p\n" + size + "\nSize:1");

        const TDisplayCopy viewer = MakeDisplayCopy({path, {}, nullptr, {}, true});
        EXPECT_EQ(viewer.natural, c.shown);
        ASSERT_EQ(viewer.image.size(), c.shown);
        EXPECT_TRUE(Near(viewer.image.pixel(0, 0), StoredCorner(c.topLeft, stored)));
        EXPECT_TRUE(Near(viewer.image.pixel(c.shown.width() - 1, 0), StoredCorner(c.topRight, stored)));

        const TDisplayCopy slide = MakeDisplayCopy({path, window, &SlideBounds, {}});
        EXPECT_EQ(slide.image.size(), SlideBounds(window, c.shown).size());

        const TJPEGHeader thumb = ReadJPEGHeader(MakeThumbnail(path, percent, {}));
        EXPECT_EQ(QSize(thumb.width, thumb.height), c.albumThumb);

        // Saved again, the picture keeps the way it is shown without its EXIF block.
        TJPEGImage loaded;
        loaded.LoadFromFile(path);
        const TJPEGHeader saved = ReadJPEGHeader(loaded.SaveToBytes());
        EXPECT_EQ(QSize(saved.width, saved.height), c.shown);
        EXPECT_EQ(saved.orientation, 1);
    }
}

}  // namespace
