#pragma once
// Where the main window goes when it is no longer maximised: on the screen, title bar
// included, as large as it was designed but never larger than the screen allows.

#include <QMargins>
#include <QRect>
#include <QSize>

// The size the main window was designed for, and the least its fixed layout needs
// (below that the work area scrolls).
constexpr QSize kMainDesignSize{1024, 768};
constexpr QSize kMainLayoutExtent{1022, 712};

// The window's own area (frame not included) for a frame of the given margins, centred
// in available.
QRect NormalPlace(const QRect& available, const QMargins& frame, QSize wanted);
