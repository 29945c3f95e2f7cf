#include "thumbs/ThumbCache.h"

#include <gtest/gtest.h>

namespace {

TDisplayCopy CopyOf(TFileStamp stamp, QSize size)
{
    TDisplayCopy copy;
    copy.stamp = stamp;
    copy.image = QImage(size, QImage::Format_RGB32);
    return copy;
}

TEST(ThumbCache, FindsOnlyAnUnchangedFileAtItsSizeAndDropsTheFarthestWhenFull)
{
    const QSize size(100, 80);
    const qsizetype one = 100 * 80 * 4;
    TThumbCache cache(3 * one);
    const std::map<std::string, int> rowOf{{"a", 0}, {"b", 1}, {"c", 2}, {"d", 3}};
    const TViewDistance fromTop = [&](const std::string& path) { return rowOf.at(path); };

    for (const char* path : {"a", "b", "c"})
        EXPECT_TRUE(cache.Put(path, size, CopyOf({10, 1}, size), fromTop).empty());
    struct Case {
        const char* what;
        std::string path;
        TFileStamp stamp;
        QSize size;
        bool found;
    };
    const Case cases[] = {
        {"unchanged", "b", {10, 1}, size, true},
        {"new size on disk", "b", {11, 1}, size, false},
        {"touched", "b", {10, 2}, size, false},
        {"another displayed size", "b", {10, 1}, QSize(60, 80), false},
        {"never put", "d", {10, 1}, size, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cache.Find(c.path, c.stamp, c.size) != nullptr, c.found);
    }
    EXPECT_EQ(cache.Find("b", std::nullopt, size), nullptr);

    // Replacing a copy costs nothing more.
    EXPECT_TRUE(cache.Put("a", size, CopyOf({10, 2}, size), fromTop).empty());
    EXPECT_NE(cache.Find("a", TFileStamp{10, 2}, size), nullptr);
    EXPECT_EQ(cache.Bytes(), 3 * one);

    // A fourth goes over the budget: the farthest from view go until it fits again.
    EXPECT_EQ(cache.Put("d", size, CopyOf({10, 1}, size), fromTop), (std::vector<std::string>{"d", "c"}));
    EXPECT_EQ(cache.Bytes(), 2 * one);
    EXPECT_NE(cache.Find("a", TFileStamp{10, 2}, size), nullptr);
}

} // namespace
