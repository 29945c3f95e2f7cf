// Every type the all-types switch adds, through the roads a picture takes: its size from
// the header, the viewer's whole decode, the board's thumbnail, and refusal of content
// that is not the type or is damaged.

#include "imaging/DisplayCopy.h"
#include "imaging/HeifCodec.h"
#include "imaging/Orientation.h"
#include "imaging/PictureTypes.h"
#include "imaging/SvgSize.h"
#include "thumbs/SharedWrites.h"
#include "thumbs/ThumbHeader.h"
#include "thumbs/ThumbPixels.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "support/TypeMakers.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cstdlib>
#include <filesystem>
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
    {"heic", {}, 8},
    {"avif", {}, 8},
    {"heif", {.thumbnail = 32}, 8},
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

QRect FitCentred(QSize box, QSize picture)
{
    const QSize fitted = picture.scaled(box, Qt::KeepAspectRatio);
    return QRect(QPoint((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2), fitted);
}

std::size_t FilesIn(const std::string& folder)
{
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        count += entry.is_regular_file();
    return count;
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
    const std::string shared = dir.File("thumbnails");
    TProfileShelf profiles;
    for (const TTypeCase& type : kTypes) {
        SCOPED_TRACE(type.extension);
        const QImage stored = Stored(type.extension);
        // One name a row: the cache keeps each file by its name.
        const std::string path = dir.File("a" + std::to_string(&type - kTypes) + "." + type.extension);
        WriteFileBytes(path, MakeTypePicture(type.extension, stored, type.options));
        const QImage expected = Upright(stored, type.options.orientation);

        EXPECT_EQ(ReadPictureSize(path), expected.size());
        const TDisplayCopy viewer = MakeDisplayCopy({path, {}, nullptr, {}, true});
        EXPECT_EQ(viewer.error, "");
        EXPECT_EQ(viewer.natural, expected.size());
        ExpectCornersNear(viewer.image.convertToFormat(QImage::Format_RGB32), expected, type.tolerance);

        const QSize cell = expected.size() / 4;
        const TDisplayCopy thumb = MakeThumbCopy({path, cell, {}, shared, ReadThumbHeader(path, profiles)});
        EXPECT_EQ(thumb.error, "");
        EXPECT_EQ(thumb.image.size(), cell);
    }
    // The desktop's thumbnail cache keeps one of every type.
    FinishSharedWrites();
    EXPECT_EQ(FilesIn(shared + "/normal"), std::size(kTypes));
}

TEST(PictureTypes, ContentOfAnotherTypeOrDamagedIsRefusedWithItsReason)
{
    const TAllTypes on;
    const TTempDir dir;
    const std::string shared = dir.File("thumbnails");
    TProfileShelf profiles;
    for (const TTypeCase& type : kTypes) {
        SCOPED_TRACE(type.extension);
        // One name a row: the cache notes each file by its name.
        const std::string row = std::to_string(&type - kTypes);
        const std::string other = dir.File("jpeg" + row + "." + type.extension);
        WriteFileBytes(other, MakeTestJpeg(32, 24));
        const QByteArray whole = MakeTypePicture(type.extension, TestPatternImage(64, 48), type.options);
        const std::string damaged = dir.File("cut" + row + "." + type.extension);
        // Its header begun, nothing after it: a reader may show a picture cut short, not one without data.
        WriteFileBytes(damaged, whole.left(30));
        for (const std::string& path : {other, damaged}) {
            const TDisplayCopy viewer = MakeDisplayCopy({path, {}, nullptr, {}, true});
            EXPECT_NE(viewer.error, "") << path;
            EXPECT_TRUE(viewer.image.isNull()) << path;
            const TDisplayCopy thumb = MakeThumbCopy({path, {16, 12}, {}, shared, ReadThumbHeader(path, profiles)});
            EXPECT_NE(thumb.error, "") << path;
        }
        EXPECT_NE(MakeDisplayCopy({other, {}, nullptr, {}, true}).error.find("image is not valid"), std::string::npos);
    }
    // Each noted as failed, so the next visit does not decode it again.
    EXPECT_EQ(FilesIn(shared + "/fail"), 2 * std::size(kTypes));
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

TEST(PictureTypes, ADrawingsDeclaredSizeIsQtsOrNone)
{
    const struct {
        const char* root;
        bool declared;
    } kRoots[] = {
        {"<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'>", true},
        {"<svg xmlns='http://www.w3.org/2000/svg' width='40.6px' height=' 30.2px '>", true},
        {"<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 64 48'>", true},
        {"<svg xmlns='http://www.w3.org/2000/svg' viewBox='5,5,64.5,48'>", true},
        {"<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10' viewBox='0 0 64 48'>", true},
        {"<?xml version='1.0'?><!-- made by hand --><svg xmlns='http://www.w3.org/2000/svg' width='9' height='7'>", true},
        {"<svg xmlns='http://www.w3.org/2000/svg' width='50%' height='50%' viewBox='0 0 64 48'>", false},
        {"<svg xmlns='http://www.w3.org/2000/svg' width='10mm' height='10mm'>", false},
        {"<svg xmlns='http://www.w3.org/2000/svg' width='40'>", false},
        {"<svg xmlns='http://www.w3.org/2000/svg'>", false},
    };
    for (const auto& c : kRoots) {
        SCOPED_TRACE(c.root);
        QByteArray bytes = QByteArray(c.root) + "<rect width='5' height='5'/></svg>";
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const std::optional<QSize> size = SvgDeclaredSize(buffer);
        ASSERT_EQ(size.has_value(), c.declared);
        EXPECT_EQ(buffer.pos(), 0);
        if (size)
            EXPECT_EQ(*size, QImageReader(&buffer, "svg").size());
    }
}
