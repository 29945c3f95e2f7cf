// Every type the all-types switch adds, through the roads a picture takes: its size from
// the header, the viewer's whole decode, the board's thumbnail, and refusal of content
// that is not the type or is damaged.

#include "imaging/DisplayCopy.h"
#include "imaging/Orientation.h"
#include "imaging/PictureTypes.h"
#include "thumbs/ThumbHeader.h"
#include "thumbs/ThumbPixels.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "support/TypeMakers.h"

#include <gtest/gtest.h>

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
    {"jxl", {}, 0},
    // Developed by LibRaw: its curve and brightening are not quite sRGB's.
    {"dng", {}, 16},
    {"dng", {.orientation = 6}, 16},
    {"dng", {.orientation = 6, .preview = {64, 48}}, 8},
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

// A camera's preview stands for its RAW file where it covers what is shown; elsewhere the
// raw data is developed. The preview is one colour, the raw data the pattern.
struct TPreviewCase {
    QSize preview;  // as stored, before the orientation turns it
    int orientation;
    QSize cell;     // the board's; empty: the viewer's whole picture
    bool fromPreview;
};

const TPreviewCase kPreviewCases[] = {
    {{64, 48}, 1, {}, true},
    {{16, 12}, 1, {}, false},
    {{16, 12}, 1, {16, 12}, true},
    {{16, 12}, 1, {32, 24}, false},
    {{16, 12}, 6, {12, 16}, true},
    {{16, 12}, 6, {24, 32}, false},
};

TEST(PictureTypes, CameraPreviewServesWhereItCoversAndRawDataElsewhere)
{
    const TAllTypes on;
    const TTempDir dir;
    TProfileShelf profiles;
    constexpr QRgb kPreviewColour = qRgb(220, 40, 40);
    int n = 0;
    for (const TPreviewCase& c : kPreviewCases) {
        SCOPED_TRACE(testing::Message() << c.preview.width() << "x" << c.preview.height() << " turned "
                                        << c.orientation << " cell " << c.cell.width() << "x" << c.cell.height());
        const std::string path = dir.File("a" + std::to_string(++n) + ".dng");
        WriteFileBytes(path, MakeTypePicture("dng", TestPatternImage(64, 48),
                                             {.orientation = c.orientation, .preview = c.preview,
                                              .previewFlat = kPreviewColour}));
        const TDisplayCopy copy = c.cell.isEmpty()
                                      ? MakeDisplayCopy({path, {}, nullptr, {}, true})
                                      : MakeThumbCopy({path, c.cell, {}, {}, ReadThumbHeader(path, profiles)});
        ASSERT_EQ(copy.error, "");
        const QImage image = copy.image.convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(Near(image.pixel(image.width() / 2, image.height() / 2), kPreviewColour, 24), c.fromPreview);
    }
}

}  // namespace
