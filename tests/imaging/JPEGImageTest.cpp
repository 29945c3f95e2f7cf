// TJPEGImage as its users see it: loading, sizes known before decoding, saving the
// bytes read, assigning to and from bitmaps, and the progressive switch.

#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "toolkit/StreamErrors.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace {

TEST(JPEGImageLoad, RefusesWhatIsNotAJpegFileWithLibjpegsCode)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int code;
    };
    const Case cases[] = {
        {"bmp under a jpg name", MakeTestBmp(8, 8), JERR_NO_SOI},
        {"text", QByteArray("hello, world"), JERR_NO_SOI},
        {"start marker only", QByteArray("\xFF\xD8", 2), JERR_NO_IMAGE},
        {"cut inside the header", MakeTestJpeg(16, 16, {.truncateTo = 100}), JERR_NO_IMAGE},
    };
    TTempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write("picture.jpg", c.bytes.toStdString());
        TJPEGImage jpeg;
        try {
            jpeg.LoadFromFile(path);
            ADD_FAILURE() << "loaded";
        } catch (const EJPEG& e) {
            EXPECT_EQ(e.Code(), c.code);
            EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(c.code));
        }
    }
}

TEST(JPEGImageLoad, MissingFileIsAFileError)
{
    TTempDir dir;
    TJPEGImage jpeg;
    EXPECT_THROW(jpeg.LoadFromFile(dir.File("absent.jpg")), EFOpenError);
    EXPECT_THROW(jpeg.LoadFromFile(dir.Path()), EStreamError);
}

TEST(JPEGImageLoad, ZeroLengthFileIsAnEmptyPictureThatCannotBeDecoded)
{
    TTempDir dir;
    TJPEGImage jpeg;
    jpeg.LoadFromFile(dir.Write("empty.jpg", ""));
    EXPECT_TRUE(jpeg.Empty());
    EXPECT_EQ(jpeg.Width(), 0);
    EXPECT_EQ(jpeg.Height(), 0);
    TBitmap bitmap;
    try {
        bitmap.Assign(jpeg);
        ADD_FAILURE() << "decoded";
    } catch (const EJPEG& e) {
        EXPECT_EQ(e.Code(), JERR_INPUT_EMPTY);
    }
}

TEST(JPEGImageSize, IsKnownFromTheHeaderBeforeDecodingAtEveryScale)
{
    struct Case {
        TJPEGScale scale;
        int width;
        int height;
    };
    // libjpeg rounds scaled sizes up.
    const Case cases[] = {
        {TJPEGScale::jsFullSize, 1024, 768},
        {TJPEGScale::jsHalf, 512, 384},
        {TJPEGScale::jsQuarter, 256, 192},
        {TJPEGScale::jsEighth, 128, 96},
    };
    TTempDir dir;
    const std::string even = dir.File("even.jpg");
    const std::string odd = dir.File("odd.jpg");
    WriteTestJpeg(even, 1024, 768);
    WriteTestJpeg(odd, 1001, 753);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.scale));
        TJPEGImage jpeg;
        jpeg.LoadFromFile(even);
        jpeg.SetScaleDown(c.scale);
        EXPECT_EQ(jpeg.Width(), c.width);
        EXPECT_EQ(jpeg.Height(), c.height);
        EXPECT_FALSE(jpeg.HasBitmap());

        TJPEGImage oddJpeg;
        oddJpeg.LoadFromFile(odd);
        oddJpeg.SetScaleDown(c.scale);
        const int reportedWidth = oddJpeg.Width();
        const int reportedHeight = oddJpeg.Height();
        TBitmap bitmap;
        bitmap.Assign(oddJpeg);
        EXPECT_EQ(bitmap.Width(), reportedWidth);
        EXPECT_EQ(bitmap.Height(), reportedHeight);
    }
}

TEST(JPEGImageSize, ChangingTheScaleDropsTheDecodedBitmap)
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(MakeTestJpeg(64, 32));
    jpeg.Decode();
    ASSERT_TRUE(jpeg.HasBitmap());
    jpeg.SetScaleDown(TJPEGScale::jsHalf);
    EXPECT_FALSE(jpeg.HasBitmap());
    EXPECT_EQ(jpeg.Width(), 32);
    TBitmap bitmap;
    bitmap.Assign(jpeg);
    EXPECT_EQ(bitmap.Width(), 32);
    EXPECT_EQ(bitmap.Height(), 16);
}

TEST(JPEGImageSize, CannotBeSet)
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(MakeTestJpeg(16, 16));
    for (auto set : {&TJPEGImage::SetWidth, &TJPEGImage::SetHeight}) {
        try {
            (jpeg.*set)(8);
            ADD_FAILURE() << "resized";
        } catch (const EInvalidGraphicOperation& e) {
            EXPECT_STREQ(e.what(), "Cannot change the size of a JPEG image");
        }
    }
    EXPECT_EQ(jpeg.Width(), 16);
}

TEST(JPEGImageSave, WritesExactlyTheBytesRead)
{
    // Trailing bytes after the end marker are kept too.
    const QByteArray original = MakeTestJpeg(40, 30, {.progressive = true}) + QByteArray("trailer");
    TTempDir dir;
    const std::string in = dir.Write("in.jpg", original.toStdString());
    TJPEGImage jpeg;
    jpeg.LoadFromFile(in);
    TBitmap bitmap;
    bitmap.Assign(jpeg);  // decoding does not change what is saved
    jpeg.SaveToFile(dir.File("out.jpg"));
    EXPECT_EQ(ReadBytes(dir.File("out.jpg")), original.toStdString());
}

TEST(JPEGImageSave, BitmapWithoutWidthOrHeightSavesAnEmptyFile)
{
    TTempDir dir;
    for (const auto& [width, height] : {std::pair{0, 100}, std::pair{100, 0}}) {
        TJPEGImage jpeg;
        jpeg.LoadFromBytes(MakeTestJpeg(16, 16));  // old bytes that must not be written
        jpeg.Assign(TBitmap(width, height));
        const std::string out = dir.Write("out.jpg", "old content");
        jpeg.SaveToFile(out);
        EXPECT_EQ(ReadBytes(out), "");
    }
}

TEST(JPEGImageEncode, FollowsTheLastLoadedFileForProgressiveAndUsesTheSettings)
{
    // One object for a whole run, as the album uses it.
    TJPEGImage jpeg;
    const TBitmap thumbnail(TestPatternImage(30, 20));
    for (const bool progressive : {true, false, true}) {
        SCOPED_TRACE(progressive);
        jpeg.LoadFromBytes(MakeTestJpeg(64, 48, {.progressive = progressive}));
        EXPECT_EQ(jpeg.WriteProgressive(), progressive);
        jpeg.Assign(thumbnail);
        const QByteArray saved = jpeg.SaveToBytes();
        const TJPEGHeader header = ReadJPEGHeader(saved);
        EXPECT_EQ(header.progressive, progressive);
        EXPECT_EQ(header.width, 30);
        EXPECT_EQ(header.height, 20);
        EXPECT_FALSE(header.grayscale);
    }
    jpeg.SetGrayMode(true);
    jpeg.Assign(thumbnail);
    const QByteArray gray = jpeg.SaveToBytes();
    EXPECT_TRUE(ReadJPEGHeader(gray).grayscale);
    EXPECT_TRUE(jpeg.Grayscale());
}

TEST(JPEGImageEncode, RoundTripKeepsThePicture)
{
    const TBitmap source(TestPatternImage(48, 40));
    TJPEGImage jpeg;
    jpeg.Assign(source);
    EXPECT_EQ(jpeg.Width(), 48);
    const QByteArray saved = jpeg.SaveToBytes();
    TJPEGImage back;
    back.LoadFromBytes(saved);
    TBitmap decoded;
    decoded.Assign(back);
    ASSERT_EQ(decoded.Width(), 48);
    ASSERT_EQ(decoded.Height(), 40);
    int worst = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 48; ++x)
            for (int shift : {0, 8, 16})
                worst = std::max(worst, std::abs(((decoded.Pixel(x, y) >> shift) & 0xFF)
                                                 - ((source.Pixel(x, y) >> shift) & 0xFF)));
    EXPECT_LE(worst, 12);
}

TEST(JPEGImageAssign, SharesBytesBetweenPicturesAndReplacesThemFromABitmap)
{
    const QByteArray original = MakeTestJpeg(20, 10);
    TJPEGImage first;
    first.LoadFromBytes(original);
    first.Decode();
    TJPEGImage second;
    second.Assign(first);
    EXPECT_TRUE(second.SharesDataWith(first));
    EXPECT_TRUE(second.HasBitmap());
    EXPECT_EQ(second.SaveToBytes(), original);

    second.Assign(TBitmap(7, 5));
    EXPECT_FALSE(second.SharesDataWith(first));
    EXPECT_EQ(second.Width(), 7);
    const QByteArray encoded = second.SaveToBytes();
    EXPECT_NE(encoded, original);
    EXPECT_EQ(ReadJPEGHeader(encoded).width, 7);
    EXPECT_EQ(first.SaveToBytes(), original);
}

}  // namespace
