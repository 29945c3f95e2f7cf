#include "viewer/SlideLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(SlideLayout, FitsByThePicturesOwnOrientationInSinglePrecision)
{
    const QSize window(1032, 776);
    const struct {
        QSize picture;
        QRect bounds;
    } cases[] = {
        // r = 0.645 in single precision lies just below 0.645: 1031, not 1032.
        {{1600, 1200}, {0, 5, 1031, 765}},
        {{600, 800}, {225, 4, 582, 768}},
        {{800, 800}, {128, 4, 776, 768}},
        // Landscape spans the width; the lower part runs past the window.
        {{1000, 900}, {0, 0, 1031, 920}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SlideBounds(window, c.picture), c.bounds) << c.picture.width() << " x " << c.picture.height();
}

}  // namespace
