#include "imaging/DisplayCopy.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayCopy, DecodesAtTheLargestScaleThatCoversTheDisplaySize)
{
    const struct {
        QSize natural, target;
        int denominator;
    } cases[] = {
        {{4000, 3000}, {501, 375}, 4},
        {{65, 49}, {9, 7}, 8},  // libjpeg rounds a scaled side up
        {{640, 480}, {1031, 765}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CoveringScaleDenominator(c.natural, c.target), c.denominator)
            << c.natural.width() << " x " << c.natural.height() << " to " << c.target.width();
}

}  // namespace
