#include "toolkit/window/StatusProgress.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProgressBar>
#include <QStatusBar>

namespace {

TEST(StatusProgress, TheBarLastsAsLongAsTheJobOrItsWindow)
{
    QStatusBar status;
    {
        TStatusProgress shown(&status, 4, "Thumbnails made");
        shown.Report(2, 4);
        shown.Report(3, 4);
        auto* bar = status.findChild<QProgressBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->text(), "0 / 4");  // the event loop shows the last figure, once
        QCoreApplication::processEvents();
        EXPECT_EQ(bar->text(), "3 / 4");
        shown.Report(4, 4);  // still to show when the job ends
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(status.findChild<QProgressBar*>(), nullptr);

    auto* closed = new QStatusBar;
    TStatusProgress shown(closed, 2, "Pages written");
    delete closed;
    shown.Report(1, 2);
}

} // namespace
