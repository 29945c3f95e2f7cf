#pragma once
// Where the board puts each thumbnail and its frame: plain arithmetic over the grid,
// so the board's widgets only place what these return.

#include <QRect>
#include <QSize>

#include <utility>

// Thumbnails per grid row in the two layouts.
constexpr int kSelectShowThumbsPerRow = 6;
constexpr int kDirectoryShowThumbsPerRow = 5;

// The thumbnail's height; its frame is 5 pixels larger on every side.
constexpr int kThumbHeight = 80;
constexpr int kFrameHeight = 90;

// The thumbnail of a row of the selection list, centred in its cell of the grid with
// perRow cells a grid row, for a picture of its own size.
QRect ThumbBounds(int row, int perRow, QSize picture);

// The frame around a thumbnail at bounds.
QRect FrameBounds(const QRect& thumb);

// The rows whose thumbnails a view of height pixels from top down the board shows, as
// first and last row (last may lie past the board's end).
std::pair<int, int> RowsInView(int top, int height, int perRow);

// How many rows row lies before or after the rows first..last of a view; 0 inside it.
int RowsAway(int row, std::pair<int, int> view);
