#include "thumbs/ThumbGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(ThumbGeometry, PlacesEachRowInItsCellCentredAtItsDisplayedWidth)
{
    struct Case {
        int row;
        int perRow;
        QSize picture;
        QRect bounds;
    };
    const Case cases[] = {
        {0, kSelectShowThumbsPerRow, {640, 480}, {27, 10, 106, 80}},
        {0, kSelectShowThumbsPerRow, {480, 640}, {50, 10, 60, 80}},
        {0, kSelectShowThumbsPerRow, {80, 80}, {40, 10, 80, 80}},
        // Wider than 1.75 : 1 is squeezed into the full cell.
        {0, kSelectShowThumbsPerRow, {1920, 1080}, {10, 10, 140, 80}},
        {5, kSelectShowThumbsPerRow, {80, 80}, {790, 10, 80, 80}},
        {6, kSelectShowThumbsPerRow, {80, 80}, {40, 100, 80, 80}},
        {4, kDirectoryShowThumbsPerRow, {80, 80}, {640, 10, 80, 80}},
        {5, kDirectoryShowThumbsPerRow, {80, 80}, {40, 100, 80, 80}},
        {6, kDirectoryShowThumbsPerRow, {640, 480}, {177, 100, 106, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " of " << c.perRow);
        EXPECT_EQ(ThumbBounds(c.row, c.perRow, c.picture), c.bounds);
    }
    EXPECT_EQ(FrameBounds({27, 10, 106, 80}), QRect(22, 5, 116, 90));
}

TEST(ThumbGeometry, RowsInViewCoverEveryGridRowTheViewTouches)
{
    struct Case {
        int top;
        int height;
        int perRow;
        std::pair<int, int> rows;
    };
    const Case cases[] = {
        {0, 350, 6, {0, 23}},    // grid rows 0-3: the fourth starts at 280
        {0, 80, 6, {0, 5}},
        {100, 80, 5, {5, 9}},    // exactly the second grid row
        {85, 110, 5, {0, 14}},   // the end of the first and the start of the third
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.top << " + " << c.height);
        EXPECT_EQ(RowsInView(c.top, c.height, c.perRow), c.rows);
    }
}

} // namespace
