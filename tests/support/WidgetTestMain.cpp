// Entry of the widget tests: a QApplication on the offscreen platform, so windows are
// made and driven without a display.

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const TTestEnvironment environment;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
