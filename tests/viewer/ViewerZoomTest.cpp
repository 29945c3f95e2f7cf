#include "viewer/ViewerZoom.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Runs n steps from index 4 on a size, recording the list entry shown and the width.
struct TSteps {
    std::vector<int> shown;
    std::vector<int> widths;
    int index = kZoomNatural;
    QSize size;
};

TSteps Steps(std::function<std::optional<TZoomStep>(int, QSize)> step, QSize start, int n)
{
    TSteps steps;
    steps.size = start;
    for (int i = 0; i < n; ++i) {
        const std::optional<TZoomStep> s = step(steps.index, steps.size);
        if (!s)
            break;
        steps.shown.push_back(s->shownEntry);
        steps.widths.push_back(s->size.width());
        steps.index = s->nextIndex;
        steps.size = s->size;
    }
    return steps;
}

struct TCase {
    const char* name;
    std::function<QRect()> compute;
    QRect expected;
};

const QSize kArea(680, 395);

TEST(ViewerZoom, SizesFromTheTableAndTheEdgeCases)
{
    const std::vector<TCase> cases = {
        {"10% of 1024x768", [] { return QRect(QPoint(), *ZoomEntrySize(8, {1024, 768})); }, {0, 0, 102, 76}},
        {"150% of 1024x768", [] { return QRect(QPoint(), *ZoomEntrySize(2, {1024, 768})); }, {0, 0, 1536, 1152}},
        {"75% rounds down", [] { return QRect(QPoint(), *ZoomEntrySize(5, {101, 7})); }, {0, 0, 75, 5}},
        {"10% centred", [] { return QRect(CentredOrigin({102, 76}, kArea), QSize(102, 76)); }, {289, 159, 102, 76}},
        {"150% at the top left",
         [] { return QRect(CentredOrigin({1536, 1152}, kArea), QSize(1536, 1152)); },
         {0, 0, 1536, 1152}},
        {"Fix 1000x900: r is 0.68 as a float",
         [] {
             const QSize s = FixSize({1000, 900}, kArea);
             return QRect(CentredOrigin(s, kArea), s);
         },
         {5, 0, 670, 604}},
        {"Fix 600x800 by its height", [] { return QRect(QPoint(), FixSize({600, 800}, kArea)); }, {0, 0, 286, 387}},
        {"Fix of a square goes by its height", [] { return QRect(QPoint(), FixSize({500, 500}, kArea)); }, {0, 0, 385, 387}},
        {"Stretch", [] { return StretchBounds(kArea); }, {0, 0, 670, 387}},
        {"room: a picture that just fits needs no bar",
         [] { return QRect(QPoint(), RoomFor({688, 381}, {688, 381}, {15, 16})); },
         {0, 0, 688, 381}},
        {"room: too wide takes the bar's height",
         [] { return QRect(QPoint(), RoomFor({689, 365}, {688, 381}, {15, 16})); },
         {0, 0, 688, 365}},
        {"room: too high, then too wide beside the bar",
         [] { return QRect(QPoint(), RoomFor({680, 382}, {688, 381}, {15, 16})); },
         {0, 0, 673, 365}},
        {"the pixel under a point at 25%", [] { return QRect(PicturePoint({10, 5}, {400, 100}, {1600, 400}), QSize(0, 0)); },
         {40, 20, 0, 0}},
        {"a point left of the picture stays off it", [] { return QRect(PicturePoint({-1, 2}, {3, 3}, {4, 4}), QSize(0, 0)); },
         {-2, 2, 0, 0}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.compute(), c.expected) << c.name;

    std::vector<std::string> texts;
    for (const TZoomEntry& e : ZoomEntries())
        texts.push_back(e.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"400%", "200%", "150%", "125%", "100%", "75%", "50%", "25%", "10%"}));
    EXPECT_EQ(ZoomEntrySize(-1, {10, 10}), std::nullopt);
    EXPECT_EQ(ZoomEntrySize(9, {10, 10}), std::nullopt);

    // Five steps each way, the list one step behind; a sixth does nothing.
    const TSteps in = Steps(ZoomInStep, {1024, 768}, 6);
    EXPECT_EQ(in.widths, (std::vector<int>{1280, 1600, 2000, 2500, 3125}));
    EXPECT_EQ(in.shown, (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(in.index, -1);
    const TSteps out = Steps(ZoomOutStep, {1024, 768}, 6);
    EXPECT_EQ(out.widths, (std::vector<int>{768, 576, 432, 324, 243}));
    EXPECT_EQ(out.shown, (std::vector<int>{4, 5, 6, 7, 8}));
    EXPECT_EQ(out.index, 9);
    // In then Out leaves 15/16.
    EXPECT_EQ(ZoomOutStep(3, ZoomInStep(4, {1024, 768})->size)->size, QSize(960, 720));
}

}  // namespace
