#pragma once
// What a thumbnail board build holds while its headers are read: the hourglass, its
// progress on the status bar, and the files it could not read, named when it ends.

#include "thumbs/ThumbHeader.h"
#include "toolkit/Hourglass.h"
#include "toolkit/window/StatusProgress.h"

#include <vector>

struct TBoardBuild {
    TBoardBuild(QStatusBar* statusBar, int total) : progress(statusBar, total, "Thumbnails placed") {}

    THourglass hourglass;
    TStatusProgress progress;
    std::vector<TUnreadable> unreadable;
};
