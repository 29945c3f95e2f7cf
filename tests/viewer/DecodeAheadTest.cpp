#include "viewer/DecodeAhead.h"

#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "toolkit/WorkerPool.h"

#include <gtest/gtest.h>

#include <QThreadPool>

#include <filesystem>
#include <vector>

namespace {

QRect OwnSize(QSize, QSize picture)
{
    return {{0, 0}, picture};
}

void WriteFilled(const std::string& path, QColor color)
{
    QImage image(40, 30, QImage::Format_RGB888);
    image.fill(color);
    ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));
}

TEST(DecodeAhead, UsesTheCopyMadeAheadOnlyWhileTheFileIsUnchanged)
{
    const struct {
        const char* name;
        bool keepStamp;  // the new bytes keep the old size and modification time
        QColor shown;
    } cases[] = {
        {"unchanged on disk: the copy made ahead", true, Qt::red},
        {"changed on disk: made again", false, Qt::blue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TTempDir dir;
        const std::string path = dir.File("slide.bmp");
        WriteFilled(path, Qt::red);
        const auto stamp = std::filesystem::last_write_time(path);
        const TDisplayRequest request{path, {800, 600}, &OwnSize, {}};

        TDecodeAhead ahead(1, kDecodeAheadBytes);
        ahead.Ahead(request);
        ASSERT_TRUE(WorkerPool().waitForDone(10000));
        WriteFilled(path, Qt::blue);
        if (c.keepStamp)
            std::filesystem::last_write_time(path, stamp);
        else
            std::filesystem::last_write_time(path, stamp + std::chrono::seconds(1));

        const TDisplayCopy copy = ahead.Take(request);
        ASSERT_EQ(copy.error, "");
        EXPECT_EQ(copy.image.size(), QSize(40, 30));
        EXPECT_EQ(copy.image.pixelColor(0, 0), c.shown);
    }
}

TEST(DecodeAhead, HoldsCopiesWithinItsBudget)
{
    // Clean copies of 40 x 30 and 80 x 60 JPEGs take 3600 and 14400 bytes.
    const struct {
        const char* name;
        std::int64_t budget;
        std::vector<QSize> ahead;  // the pictures decoded ahead, in order
        std::vector<bool> made;    // whether each one's copy was made ahead
        qreal displayRatio = 0;    // 0: clean copies; else display copies at their own
                                   // size for a screen of this device pixel ratio
    } cases[] = {
        {"one beyond the budget: made when taken, pushing out nothing", 3600, {{40, 30}, {80, 60}}, {true, false}},
        {"held copies over the budget: the oldest goes", 7199, {{40, 30}, {40, 30}}, {false, true}},
        {"a display copy counts device pixels: 40 x 30 at ratio 2 takes 19200", 19199, {{40, 30}}, {false}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TTempDir dir;
        TDecodeAhead ahead(2, c.budget);
        std::vector<TDisplayRequest> requests;
        for (std::size_t i = 0; i < c.ahead.size(); ++i) {
            const std::string path = dir.File(std::to_string(i) + ".jpg");
            WritePaddedPicture(path, MakeTestJpeg(c.ahead[i].width(), c.ahead[i].height()), 65536);
            requests.push_back(c.displayRatio > 0 ? TDisplayRequest{path, {}, &OwnSize, {}, false, c.displayRatio}
                                                  : TDisplayRequest{path, {}, nullptr, {}, true});
            ahead.Ahead(requests.back());
        }
        ASSERT_TRUE(WorkerPool().waitForDone(10000));
        for (std::size_t i = 0; i < c.ahead.size(); ++i) {
            // Another picture in the same bytes on disk: a copy made ahead still shows the first.
            const std::string& path = requests[i].path;
            const auto stamp = std::filesystem::last_write_time(path);
            WritePaddedPicture(path, MakeTestJpeg(8, 8), 65536);
            std::filesystem::last_write_time(path, stamp);

            const TDisplayCopy copy = ahead.Take(requests[i]);
            ASSERT_EQ(copy.error, "");
            EXPECT_EQ(copy.natural, c.made[i] ? c.ahead[i] : QSize(8, 8)) << "picture " << i;
            EXPECT_FALSE(copy.image.isNull());
        }
    }
}

}  // namespace
