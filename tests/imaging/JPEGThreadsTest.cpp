// Decoding on worker threads: two threads decoding the same bytes at once get exactly
// what one thread alone gets, whatever the settings.

#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(JPEGThreads, TwoThreadsDecodeTheSameBytesAsOneDoes)
{
    struct Case {
        const char* name;
        TJpegOptions options;
        TJPEGSettings settings;
    };
    const Case cases[] = {
        {"baseline", {}, {}},
        {"8-bit, two-pass colours", {}, {.OutputDepth = TJPEGPixelFormat::jf8Bit}},
        {"progressive scan by scan, fast 8-bit",
         {.progressive = true},
         {.SpeedMode = TJPEGPerformance::jpBestSpeed, .OutputDepth = TJPEGPixelFormat::jf8Bit,
          .ShowProgressively = true}},
        {"CMYK to grey, halved", {.color = TJpegColor::Cmyk}, {.GrayMode = true, .ScaleDown = TJPEGScale::jsHalf}},
    };
    constexpr int kRounds = 25;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = MakeTestJpeg(64, 48, c.options);
        const QImage alone = DecodeJPEG(bytes, JPEGDecodeParams(c.settings)).Image();
        ASSERT_FALSE(alone.isNull());
        std::atomic<int> mismatches = 0;
        const auto work = [&] {
            for (int i = 0; i < kRounds; ++i) {
                // The way a worker decodes: its own picture, made from a copy of the settings.
                TJPEGImage jpeg(c.settings);
                jpeg.LoadFromBytes(bytes);
                TBitmap bitmap;
                bitmap.Assign(jpeg);
                if (bitmap.Image() != alone)
                    ++mismatches;
            }
        };
        std::thread other(work);
        work();
        other.join();
        EXPECT_EQ(mismatches, 0);
    }
}

}  // namespace
