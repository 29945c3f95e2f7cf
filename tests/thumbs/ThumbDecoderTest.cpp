#include "thumbs/ThumbDecoder.h"

#include "support/DecoderWait.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QThreadPool>

#include <map>

namespace {

TEST(ThumbDecoder, DecodesRowsInViewFirstAndTwoThreadsGiveThePixelsOfOne)
{
    TTempDir dir;
    std::vector<TThumbJob> jobs;
    TProfileShelf profiles;
    for (int row = 0; row < 8; ++row) {
        const std::string path = dir.File(std::to_string(row) + (row == 6 ? ".bmp" : ".jpg"));
        if (row == 6)
            WriteTestBmp(path, 320, 240);
        else
            WriteTestJpeg(path, 640 + 16 * row, 480, {.progressive = row % 3 == 0});
        jobs.push_back({path, QSize(106, 80), ReadThumbHeader(path, profiles)});
    }
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7};

    std::map<int, std::map<int, QImage>> pixels;  // threads -> row -> pixels
    std::vector<int> order;
    const QByteArray sharedCache = qgetenv("XDG_CACHE_HOME");
    for (const int threads : {1, 2}) {
        // Each run decodes: the first would otherwise fill the shared cache for the second.
        const TTempDir cache;
        qputenv("XDG_CACHE_HOME", cache.Path().c_str());
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        TThumbDecoder decoder(
            [&](int row, const TDisplayCopy& copy) {
                EXPECT_EQ(copy.error, "");
                pixels[threads][row] = copy.image;
                if (threads == 1)
                    order.push_back(row);
            },
            &pool);
        decoder.SetView(4, 5);
        decoder.Start(8, [&](int row) { return jobs[static_cast<std::size_t>(row)]; }, all, TJPEGSettings{});
        WaitForDecoder(decoder);
    }
    qputenv("XDG_CACHE_HOME", sharedCache);
    // In view first, then outwards, the later row first when both are as near.
    EXPECT_EQ(order, (std::vector<int>{4, 5, 6, 3, 7, 2, 1, 0}));
    ASSERT_EQ(pixels[2].size(), 8u);
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(pixels[1][row].size(), QSize(106, 80));
        EXPECT_TRUE(pixels[1][row] == pixels[2][row]);
    }
}

TEST(ThumbDecoder, ANewStartDropsWhatTheOldOneLeft)
{
    TTempDir dir;
    std::vector<TThumbJob> jobs;
    for (int row = 0; row < 4; ++row) {
        jobs.push_back({dir.File(std::to_string(row) + ".jpg"), QSize(60, 80)});
        WriteTestJpeg(jobs.back().path, 480, 640);
    }
    QThreadPool pool;
    pool.setMaxThreadCount(1);
    std::vector<int> delivered;
    TThumbDecoder decoder([&](int row, const TDisplayCopy&) { delivered.push_back(row); }, &pool);
    const auto jobOf = [&](int row) { return jobs[static_cast<std::size_t>(row)]; };
    decoder.Start(4, jobOf, {0, 1, 2, 3}, TJPEGSettings{});
    decoder.Start(4, jobOf, {2}, TJPEGSettings{});
    WaitForDecoder(decoder);
    EXPECT_EQ(delivered, std::vector<int>{2});
}

} // namespace
