#include "viewer/DecodeAhead.h"

#include "support/DecoderWait.h"
#include "support/PictureMakers.h"
#include "support/TempDir.h"
#include "toolkit/WorkerPool.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThreadPool>

#include <filesystem>
#include <functional>
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
        std::vector<QColor> answers;
    } cases[] = {
        {"unchanged on disk: the copy made ahead, at once", true, {Qt::red}},
        {"changed on disk: at once, then made again", false, {Qt::red, Qt::blue}},
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
        ASSERT_TRUE(WaitForDecoder(ahead));
        WriteFilled(path, Qt::blue);
        if (c.keepStamp)
            std::filesystem::last_write_time(path, stamp);
        else
            std::filesystem::last_write_time(path, stamp + std::chrono::seconds(1));

        std::vector<QColor> answers;
        ahead.Ask(request, [&](const TDisplayCopy& copy) {
            EXPECT_EQ(copy.error, "");
            EXPECT_EQ(copy.image.size(), QSize(40, 30));
            answers.push_back(copy.image.pixelColor(0, 0));
        });
        EXPECT_EQ(answers, std::vector<QColor>{Qt::red});
        ASSERT_TRUE(WaitForDecoder(ahead));
        EXPECT_EQ(answers, c.answers);
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
        ASSERT_TRUE(WaitForDecoder(ahead));
        for (std::size_t i = 0; i < c.ahead.size(); ++i) {
            // Another picture in the same bytes on disk: a copy made ahead still shows the first.
            const std::string& path = requests[i].path;
            const auto stamp = std::filesystem::last_write_time(path);
            WritePaddedPicture(path, MakeTestJpeg(8, 8), 65536);
            std::filesystem::last_write_time(path, stamp);

            std::vector<TDisplayCopy> answers;
            ahead.Ask(requests[i], [&](const TDisplayCopy& copy) { answers.push_back(copy); });
            EXPECT_EQ(answers.size(), c.made[i] ? 1u : 0u) << "picture " << i << " answered at once";
            ASSERT_TRUE(WaitForDecoder(ahead));
            ASSERT_EQ(answers.size(), 1u);
            ASSERT_EQ(answers[0].error, "");
            EXPECT_EQ(answers[0].natural, c.made[i] ? c.ahead[i] : QSize(8, 8)) << "picture " << i;
            EXPECT_FALSE(answers[0].image.isNull());
        }
    }
}

// Only the last ask is answered, once its copy lands; Drop leaves none to answer.
TEST(DecodeAhead, AnswersTheLastAskWhenItsCopyLands)
{
    TTempDir dir;
    std::vector<TDisplayRequest> requests;
    for (const int width : {40, 48}) {
        requests.push_back({dir.File(std::to_string(width) + ".jpg"), {}, nullptr, {}, true});
        WriteTestJpeg(requests.back().path, width, 30);
    }
    const struct {
        const char* name;
        std::function<void(TDecodeAhead&, const TDecodeAhead::TAnswer&)> ask;
        std::vector<int> answered;  // the widths of the copies answered
    } cases[] = {
        {"not made ahead", [&](TDecodeAhead& a, const auto& answer) { a.Ask(requests[0], answer); }, {40}},
        {"under way ahead", [&](TDecodeAhead& a, const auto& answer) { a.Ahead(requests[0]); a.Ask(requests[0], answer); },
         {40}},
        {"a newer ask takes the place of the first",
         [&](TDecodeAhead& a, const auto& answer) { a.Ask(requests[0], answer); a.Ask(requests[1], answer); }, {48}},
        {"dropped", [&](TDecodeAhead& a, const auto& answer) { a.Ask(requests[0], answer); a.Drop(); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDecodeAhead ahead(2, kDecodeAheadBytes);
        std::vector<int> answered;
        c.ask(ahead, [&](const TDisplayCopy& copy) { answered.push_back(copy.natural.width()); });
        EXPECT_TRUE(answered.empty()) << "nothing lands before the event loop runs";
        ASSERT_TRUE(WaitForDecoder(ahead));
        // What was dropped has landed too by now, and was not answered.
        WorkerPool().waitForDone();
        QCoreApplication::processEvents();
        EXPECT_EQ(answered, c.answered);
    }
}

}  // namespace
