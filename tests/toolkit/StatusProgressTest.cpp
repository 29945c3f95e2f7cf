#include "toolkit/StatusProgress.h"

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QStatusBar>

namespace {

TEST(StatusProgress, TheBarLastsAsLongAsTheJobOrItsWindow)
{
    QStatusBar status;
    {
        TStatusProgress shown(&status, 4, "Thumbnails made");
        shown.Report(3, 4);
        auto* bar = status.findChild<QProgressBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->text(), "3 / 4");
    }
    EXPECT_EQ(status.findChild<QProgressBar*>(), nullptr);

    auto* closed = new QStatusBar;
    TStatusProgress shown(closed, 2, "Pages written");
    delete closed;
    shown.Report(1, 2);
}

} // namespace
