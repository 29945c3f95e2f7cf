// Where a board thumbnail's pixels come from: the camera's preview when it serves, the
// desktop's shared thumbnail cache while it shows the file as it is, a decode otherwise.

#include "imaging/CameraPreview.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "thumbs/SharedThumbnails.h"
#include "thumbs/SharedWrites.h"
#include "thumbs/ThumbPixels.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImageReader>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr QRgb kPreviewRed = qRgb(255, 0, 0);
constexpr QRgb kCachedGreen = qRgb(0, 255, 0);

bool Near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40
           && std::abs(qBlue(a) - qBlue(b)) < 40;
}

QRgb Middle(const QImage& image)
{
    return image.pixel(image.width() / 2, image.height() / 2);
}

TEST(ThumbPixels, TheCameraPreviewServesWhenItCoversTheThumbnailAndHasThePicturesProportions)
{
    struct TCase {
        const char* name;
        QSize stored;   // the main picture's stored pixels
        QSize preview;  // the preview's, stored as the main picture's rows run
        int orientation;
        QSize shown;
        bool served;
    };
    const TCase cases[] = {
        {"covers, same proportions", {400, 300}, {160, 120}, 1, {107, 80}, true},
        {"a screen scaled by 2 needs more", {400, 300}, {160, 120}, 1, {213, 160}, false},
        {"a 3:2 picture with a 4:3 preview (bars)", {480, 320}, {160, 120}, 1, {120, 80}, false},
        {"a 3:2 picture with a 3:2 preview", {480, 320}, {160, 107}, 1, {120, 80}, true},
        {"turned a quarter", {400, 300}, {160, 120}, 6, {60, 80}, true},
        {"turned the other way", {400, 300}, {160, 120}, 8, {60, 80}, true},
        {"a preview not turned with its picture", {300, 400}, {160, 120}, 1, {60, 80}, false},
    };
    const TTempDir dir;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QSize upright = c.orientation >= 5 ? c.stored.transposed() : c.stored;
        const QByteArray preview = MakeTestJpeg(c.preview.width(), c.preview.height(), {.flat = kPreviewRed});
        EXPECT_EQ(PreviewServes(c.preview, c.orientation, upright, c.shown), c.served);
        const std::string path = dir.File(std::string(c.name) + ".jpg");
        const QByteArray exif = ExifWithPreview(c.orientation, preview);
        WriteTestJpeg(path, c.stored.width(), c.stored.height(), {.exif = exif});
        const TPreviewPlace place = ExifPreviewPlace(exif);
        EXPECT_EQ(exif.mid(place.offset, place.length), preview);
        TProfileShelf profiles;
        const TDisplayCopy copy = MakeThumbCopy({path, c.shown, {}, "", ReadThumbHeader(path, profiles)});
        ASSERT_EQ(copy.error, "");
        EXPECT_EQ(copy.image.size(), c.shown);
        EXPECT_EQ(Near(Middle(copy.image), kPreviewRed), c.served);
    }
}

// The header the build read is taken as it is: the thumbnail is stamped as the file was
// then, and the preview is taken only from where the header found it.
TEST(ThumbPixels, TheThumbnailIsMadeFromWhatTheHeaderReadLearned)
{
    const TTempDir dir;
    const std::string path = dir.File("camera.jpg");
    WriteTestJpeg(path, 400, 300, {.exif = ExifWithPreview(1, MakeTestJpeg(160, 120, {.flat = kPreviewRed}))});
    TProfileShelf profiles;
    const TThumbHeader read = ReadThumbHeader(path, profiles);
    ASSERT_TRUE(read.stamp);
    TThumbHeader noPreview = read;
    noPreview.preview = {};
    TThumbHeader earlier = read;
    earlier.stamp->modified -= 1;
    const struct {
        const char* name;
        const TThumbHeader& header;
        bool fromPreview;
    } cases[] = {
        {"as read", read, true},
        {"no preview found", noPreview, false},
        {"the file as it was a moment before", earlier, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TDisplayCopy copy = MakeThumbCopy({path, {107, 80}, {}, "", c.header});
        EXPECT_EQ(copy.stamp, c.header.stamp);
        EXPECT_EQ(Near(Middle(copy.image), kPreviewRed), c.fromPreview);
    }
}

std::string Md5Name(const std::string& uri)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(uri), QCryptographicHash::Md5).toHex().toStdString()
           + ".png";
}

// A thumbnail as a file manager leaves it: the two keys the standard requires.
void WriteForeignThumbnail(const std::string& file, const std::string& uri, std::int64_t modified)
{
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    QImage image(128, 96, QImage::Format_RGB32);
    image.fill(kCachedGreen);
    image.setText("Thumb::URI", QString::fromStdString(uri));
    image.setText("Thumb::MTime", QString::number(modified));
    ASSERT_TRUE(image.save(QString::fromStdString(file), "PNG"));
}

TEST(ThumbPixels, TheSharedCacheServesWhatShowsTheFileAsItIsAndIsFilledAsTheStandardSays)
{
    enum class TEntry { None, Current, Stale, FailNote };
    enum class TSource { Cache, Decode, NotedFailure, DecodeFailure };
    struct TCase {
        const char* name;
        const char* file;  // inside the cache's folder when it starts with "thumbnails/"
        bool damaged;
        TEntry entry;
        QSize shown;
        TSource source;
        const char* written;  // the folder the file's entry is written to afterwards; "" none
    };
    const TCase cases[] = {
        {"a file manager's thumbnail", "hit.jpg", false, TEntry::Current, {107, 80}, TSource::Cache, ""},
        {"changed since", "stale.jpg", false, TEntry::Stale, {107, 80}, TSource::Decode, "normal"},
        {"seen first", "new é\xff.jpg", false, TEntry::None, {107, 80}, TSource::Decode, "normal"},
        {"on a screen scaled by 2", "large.jpg", false, TEntry::None, {213, 160}, TSource::Decode, "large"},
        {"larger than the cache keeps", "huge.jpg", false, TEntry::None, {300, 225}, TSource::Decode, ""},
        {"damaged", "damaged.jpg", true, TEntry::None, {107, 80}, TSource::DecodeFailure, "fail/lumora-0.1.0"},
        {"noted as failed", "noted.jpg", false, TEntry::FailNote, {107, 80}, TSource::NotedFailure, ""},
        {"the cache's own file", "thumbnails/own.jpg", false, TEntry::None, {107, 80}, TSource::Decode, ""},
    };
    const TTempDir dir;
    int run = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        // $XDG_CACHE_HOME of its own for each, not made yet as on a new account.
        const std::string home = dir.File("home" + std::to_string(++run));
        const std::string root = home + "/thumbnails";
        const std::string path = home + "/" + c.file;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteTestJpeg(path, 640, 480, {.truncateTo = c.damaged ? 200u : 0u});
        struct stat file {};
        ASSERT_EQ(::stat(path.c_str(), &file), 0);
        const std::string uri = TSharedThumbnail::FileUri(path);
        const std::string name = Md5Name(uri);
        if (c.entry == TEntry::Current || c.entry == TEntry::Stale)
            WriteForeignThumbnail(root + "/normal/" + name, uri, file.st_mtim.tv_sec - (c.entry == TEntry::Stale));
        if (c.entry == TEntry::FailNote)
            ASSERT_TRUE(TSharedThumbnail(root, path, c.shown, file.st_mtim.tv_sec, file.st_size).WriteFailure("noted"));

        TProfileShelf profiles;
        const TDisplayCopy copy = MakeThumbCopy({path, c.shown, {}, root, ReadThumbHeader(path, profiles)});
        FinishSharedWrites();
        switch (c.source) {
        case TSource::Cache: EXPECT_TRUE(Near(Middle(copy.image), kCachedGreen)); break;
        case TSource::Decode: EXPECT_FALSE(copy.image.isNull() || Near(Middle(copy.image), kCachedGreen)); break;
        case TSource::NotedFailure: EXPECT_EQ(copy.error, "noted"); break;
        case TSource::DecodeFailure: EXPECT_NE(copy.error, ""); break;
        }
        if (*c.written == '\0') {
            for (const char* folder : {"normal", "large"})
                EXPECT_EQ(std::filesystem::exists(root + "/" + folder + "/" + name),
                          c.entry == TEntry::Current && std::string(folder) == "normal");
            continue;
        }
        const std::string entry = root + "/" + c.written + "/" + name;
        struct stat written {};
        ASSERT_EQ(::stat(entry.c_str(), &written), 0) << entry;
        EXPECT_EQ(written.st_mode & 0777, 0600u);
        const QImage thumbnail = QImageReader(QString::fromStdString(entry)).read();
        EXPECT_EQ(thumbnail.text("Thumb::URI").toStdString(), uri);
        EXPECT_EQ(thumbnail.text("Thumb::MTime"), QString::number(file.st_mtim.tv_sec));
        if (!c.damaged)
            EXPECT_EQ(thumbnail.size(), c.shown.width() <= 128 ? QSize(128, 96) : QSize(256, 192));
    }
    // Escaped as the desktop's file managers escape a path, bytes that are not UTF-8 too.
    EXPECT_EQ(TSharedThumbnail::FileUri("/p/new é\xff;#.jpg"), "file:///p/new%20%C3%A9%FF%3B%23.jpg");
}

}  // namespace
