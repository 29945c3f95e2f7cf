#include "viewer/DecodeAhead.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QThreadPool>

#include <filesystem>

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

        TDecodeAhead ahead(1);
        ahead.Ahead(request);
        ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(10000));
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

}  // namespace
