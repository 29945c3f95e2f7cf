// Hostile and damaged files: refused with EJPEG, never a crash or a huge allocation.

#include "imaging/JPEGImage.h"
#include "imaging/JPEGManagers.h"
#include "support/PictureMakers.h"

#include <gtest/gtest.h>

namespace {

int LoadError(const QByteArray& bytes)
{
    TJPEGImage jpeg;
    try {
        jpeg.LoadFromBytes(bytes);
    } catch (const EJPEG& e) {
        return e.Code();
    }
    return 0;
}

int DecodeError(const QByteArray& bytes, bool showProgressively)
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(bytes);
    jpeg.SetShowProgressively(showProgressively);
    try {
        jpeg.Decode();
    } catch (const EJPEG& e) {
        return e.Code();
    }
    return 0;
}

TEST(JPEGHostile, HeaderAnnouncingMoreThan1GiBOfBitmapIsRefusedAtLoad)
{
    struct Case {
        TJpegColor color;
        int width, height;
        bool refused;
    };
    // Colour decodes to 3 bytes a pixel, grey to 1; the limit is 2^30 bytes.
    const Case cases[] = {
        {TJpegColor::Rgb, 16384, 21845, false},
        {TJpegColor::Rgb, 16384, 21846, true},
        {TJpegColor::Grey, 32768, 32768, false},
        {TJpegColor::Grey, 32768, 32769, true},
        {TJpegColor::Rgb, 65500, 65500, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const QByteArray bytes =
            MakeTestJpeg(16, 16, {.color = c.color, .announcedWidth = c.width, .announcedHeight = c.height});
        EXPECT_EQ(LoadError(bytes), c.refused ? JERR_IMAGE_TOO_BIG : 0);
    }
}

TEST(JPEGHostile, MoreThan500ScansStopTheDecoding)
{
    struct Case {
        int scans;
        bool showProgressively;
        bool refused;
    };
    const Case cases[] = {
        {500, false, false},
        {501, false, true},
        {500, true, false},
        {501, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scans << " scans, shown " << c.showProgressively);
        const QByteArray bytes = MakeTestJpeg(8, 8, {.color = TJpegColor::Grey, .scans = c.scans});
        EXPECT_EQ(LoadError(bytes), 0);
        EXPECT_EQ(DecodeError(bytes, c.showProgressively), c.refused ? kTooManyScansCode : 0);
    }
}

TEST(JPEGHostile, DamageAfterTheHeaderFailsAtDecode)
{
    QByteArray bytes = MakeTestJpeg(32, 32, {.progressive = true});
    // The second scan names a component the frame does not have.
    const qsizetype first = bytes.indexOf("\xFF\xDA");
    const qsizetype second = bytes.indexOf("\xFF\xDA", first + 2);
    ASSERT_GT(second, first);
    bytes[second + 5] = 9;
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown);
        EXPECT_EQ(DecodeError(bytes, shown), JERR_BAD_COMPONENT_ID);
    }
}

}  // namespace
