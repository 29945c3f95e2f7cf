#include "toolkit/window/ControlColor.h"

#include <gtest/gtest.h>

#include <QPalette>
#include <QWidget>

namespace {

TEST(Color, ControlsGiveBackTheNumberTheyWereGiven)
{
    QWidget w;
    EXPECT_EQ(ControlColor(&w, clWindow), clWindow);
    SetControlColor(&w, clInfoBk);
    SetControlFontColor(&w, clBlue);
    EXPECT_EQ(ControlColor(&w, clWindow), clInfoBk);
    EXPECT_EQ(ControlFontColor(&w, clBlack), clBlue);
    EXPECT_EQ(w.palette().color(QPalette::Base), ColorToQColor(clInfoBk));
    EXPECT_EQ(w.palette().color(QPalette::Text), QColor(0, 0, 255));
}

} // namespace
