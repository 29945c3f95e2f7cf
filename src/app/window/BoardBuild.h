#pragma once
// What the main window shows while a thumbnail board build reads its headers: the
// hourglass and the build's progress on the status bar.

#include "toolkit/Hourglass.h"
#include "toolkit/window/StatusProgress.h"

struct TBoardBuild {
    TBoardBuild(QStatusBar* statusBar, int total) : progress(statusBar, total, "Thumbnails placed") {}

    THourglass hourglass;
    TStatusProgress progress;
};
