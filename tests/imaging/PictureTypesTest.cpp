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

#include <QFile>

#include <cstdlib>
#include <utility>

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

QRect FitCentred(QSize box, QSize picture)
{
    const QSize fitted = picture.scaled(box, Qt::KeepAspectRatio);
    return QRect(QPoint((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2), fitted);
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

TEST(PictureTypes, AMovingPictureGivesEveryFrameAndTheBoardItsFirst)
{
    const TAllTypes on;
    const TTempDir dir;
    const std::string path = dir.File("moving.gif");
    WriteFileBytes(path, MakeTypePicture("gif", TestPatternImage(64, 48), {.frames = 3}));
    const TDisplayCopy viewer = MakeDisplayCopy({path, {}, nullptr, {}, true});
    ASSERT_EQ(viewer.frames.size(), 3u);
    const TDisplayCopy slide = MakeDisplayCopy({path, {32, 32}, &FitCentred, {}, false});
    ASSERT_EQ(slide.frames.size(), 3u);
    for (std::size_t i = 0; i < viewer.frames.size(); ++i) {
        EXPECT_EQ(viewer.frames[i].delay, 50);
        EXPECT_EQ(viewer.frames[i].image.size(), QSize(64, 48));
        EXPECT_EQ(slide.frames[i].image.size(), slide.bounds.size());
    }
    // Each frame a shade darker than the one before.
    EXPECT_GT(qGreen(viewer.frames[0].image.pixel(60, 44)), qGreen(viewer.frames[1].image.pixel(60, 44)) + 20);
    TProfileShelf profiles;
    const TDisplayCopy thumb = MakeThumbCopy({path, {64, 48}, {}, {}, ReadThumbHeader(path, profiles)});
    EXPECT_TRUE(Near(thumb.image.pixel(60, 44), viewer.frames[0].image.pixel(60, 44), 8));
}

TEST(PictureTypes, EveryTypeIsAnnouncedToTheDesktop)
{
    // Each file with what ends a type's name in it.
    const std::pair<const char*, const char*> files[] = {{"org.lumora.Lumora.desktop", ";"},
                                                         {"org.lumora.Lumora.metainfo.xml", "</mediatype>"}};
    for (const auto& [name, end] : files) {
        QFile file(QString(LUMORA_RESOURCES_DIR "/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray text = file.readAll();
        for (const TAddedType& type : AddedPictureTypes())
            for (const std::string& mime : type.mimeTypes)
                EXPECT_TRUE(text.contains(QByteArray::fromStdString(mime) + end))
                    << name << " lacks " << mime;
    }
}

}  // namespace
