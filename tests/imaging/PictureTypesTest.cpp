// Every type the all-types switch adds, through the roads a picture takes: its size from
// the header, the viewer's whole decode, the board's thumbnail, and refusal of content
// that is not the type or is damaged.

#include "imaging/DisplayCopy.h"
#include "imaging/HeifCodec.h"
#include "imaging/Orientation.h"
#include "imaging/PictureTypes.h"
#include "thumbs/ThumbHeader.h"
#include "thumbs/ThumbPixels.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "support/TypeMakers.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include <cstdlib>

namespace {

struct TTypeCase {
    const char* extension;
    TTypeOptions options;
    int tolerance;  // how far a lossy encoding may move a colour
};

const TTypeCase kTypes[] = {
    {"png", {}, 0},
    {"gif", {}, 40},
    {"webp", {}, 0},
    {"tif", {}, 0},
    {"tiff", {.orientation = 6}, 0},
    {"svg", {}, 0},
    {"heic", {}, 8},
    {"avif", {}, 8},
    {"heif", {.thumbnail = 32}, 8},
};

// The switch on for one test, off again after it.
struct TAllTypes {
    TAllTypes() { SetAllPictureTypes(true); }
    ~TAllTypes() { SetAllPictureTypes(false); }
};

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The picture as a viewer must show it: the stored pixels turned as the file says.
QImage Upright(const QImage& stored, int orientation)
{
    TBitmap bitmap(stored);
    TurnUpright(bitmap, orientation);
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

void ExpectCornersNear(const QImage& shown, const QImage& expected, int tolerance)
{
    ASSERT_EQ(shown.size(), expected.size());
    const int right = expected.width() - 3, bottom = expected.height() - 3;
    for (const QPoint corner : {QPoint(2, 2), QPoint(right, 2), QPoint(2, bottom), QPoint(right, bottom)})
        EXPECT_TRUE(Near(shown.pixel(corner), expected.pixel(corner), tolerance))
            << corner.x() << "," << corner.y() << ": " << std::hex << shown.pixel(corner) << " for "
            << expected.pixel(corner);
}

// The pixels a test picture of the type holds: a drawing is one colour all over.
QImage Stored(const std::string& extension)
{
    if (extension != "svg")
        return TestPatternImage(64, 48);
    QImage flat(64, 48, QImage::Format_RGB32);
    flat.fill(qRgb(20, 140, 220));
    return flat;
}

TEST(PictureTypes, EveryTypeGivesItsSizeThumbnailAndPixelsUpright)
{
    const TAllTypes on;
    const TTempDir dir;
    TProfileShelf profiles;
    for (const TTypeCase& type : kTypes) {
        SCOPED_TRACE(type.extension);
        const QImage stored = Stored(type.extension);
        const std::string path = dir.File(std::string("a.") + type.extension);
        WriteFileBytes(path, MakeTypePicture(type.extension, stored, type.options));
        const QImage expected = Upright(stored, type.options.orientation);

        EXPECT_EQ(ReadPictureSize(path), expected.size());
        const TDisplayCopy viewer = MakeDisplayCopy({path, {}, nullptr, {}, true});
        EXPECT_EQ(viewer.error, "");
        EXPECT_EQ(viewer.natural, expected.size());
        ExpectCornersNear(viewer.image.convertToFormat(QImage::Format_RGB32), expected, type.tolerance);

        const QSize cell = expected.size() / 4;
        const TDisplayCopy thumb = MakeThumbCopy({path, cell, {}, {}, ReadThumbHeader(path, profiles)});
        EXPECT_EQ(thumb.error, "");
        EXPECT_EQ(thumb.image.size(), cell);
    }
}

TEST(PictureTypes, ContentOfAnotherTypeOrDamagedIsRefusedWithItsReason)
{
    const TAllTypes on;
    const TTempDir dir;
    TProfileShelf profiles;
    for (const TTypeCase& type : kTypes) {
        SCOPED_TRACE(type.extension);
        const std::string other = dir.File(std::string("jpeg.") + type.extension);
        WriteFileBytes(other, MakeTestJpeg(32, 24));
        const QByteArray whole = MakeTypePicture(type.extension, TestPatternImage(64, 48), type.options);
        const std::string damaged = dir.File(std::string("cut.") + type.extension);
        // Its header begun, nothing after it: a reader may show a picture cut short, not one without data.
        WriteFileBytes(damaged, whole.left(30));
        for (const std::string& path : {other, damaged}) {
            const TDisplayCopy viewer = MakeDisplayCopy({path, {}, nullptr, {}, true});
            EXPECT_NE(viewer.error, "") << path;
            EXPECT_TRUE(viewer.image.isNull()) << path;
            const TDisplayCopy thumb = MakeThumbCopy({path, {16, 12}, {}, {}, ReadThumbHeader(path, profiles)});
            EXPECT_NE(thumb.error, "") << path;
        }
        EXPECT_NE(MakeDisplayCopy({other, {}, nullptr, {}, true}).error.find("image is not valid"), std::string::npos);
    }
}

// A HEIF picture of 64 x 48 with a thumbnail of 32 x 24: the board's cell decides which is decoded.
TEST(PictureTypes, EmbeddedThumbnailIsTakenWhenItCoversTheCell)
{
    const struct {
        QSize cell;
        QSize decoded;
    } kCells[] = {
        {{16, 12}, {32, 24}},
        {{32, 24}, {32, 24}},
        {{33, 12}, {64, 48}},
        {{16, 25}, {64, 48}},
    };
    QByteArray bytes = MakeTypePicture("heic", TestPatternImage(64, 48), {.thumbnail = 32});
    for (const auto& [cell, decoded] : kCells) {
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        QSize natural;
        const QImage image = HeifCodec().Decode(file, [cell = cell](QSize) { return cell; }, natural);
        EXPECT_EQ(natural, QSize(64, 48));
        EXPECT_EQ(image.size(), decoded) << cell.width() << "x" << cell.height();
    }
}

}  // namespace
