// Entry of the logic tests: a QGuiApplication on the offscreen platform. No Qt Widgets
// here, so a window-free unit that needs one fails to link into these tests.

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const TTestEnvironment environment;
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
