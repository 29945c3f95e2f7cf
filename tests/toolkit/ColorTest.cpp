#include "toolkit/Color.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

namespace {

TEST(Color, LiteralColoursAreBlueGreenRed)
{
    struct Case {
        TColor color;
        QColor expected;
    };
    const Case cases[] = {
        {clBlue, QColor(0, 0, 255)},
        {clYellow, QColor(255, 255, 0)},
        {0x0000FF, QColor(255, 0, 0)},
        {0x123456, QColor(0x56, 0x34, 0x12)},
        {RGBToColor(255, 255, 0), QColor(255, 255, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToQColor(c.color), c.expected) << c.color;
        EXPECT_EQ(QColorToColor(c.expected), c.color) << c.color;
    }
}

TEST(Color, SystemColoursFollowThePalette)
{
    const QPalette pal = QGuiApplication::palette();
    struct Case {
        TColor color;
        QColor expected;
    };
    const Case cases[] = {
        {clInfoBk, pal.color(QPalette::ToolTipBase)},
        {SystemColor(21), pal.color(QPalette::Shadow)},
        {clHotLight, pal.color(QPalette::Link)},
        {clWindow, pal.color(QPalette::Base)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToQColor(c.color), c.expected) << c.color;
    EXPECT_EQ(clInfoBk, -2147483624);
    EXPECT_TRUE(IsSystemColor(clInfoBk));
    EXPECT_FALSE(IsSystemColor(clBlue));
}

} // namespace
