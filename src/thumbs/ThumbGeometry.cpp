#include "thumbs/ThumbGeometry.h"

#include <algorithm>

namespace {
constexpr int kCellWidth = 140;
constexpr int kCellPitchX = 150;
constexpr int kCellPitchY = 90;
constexpr int kFirstCell = 10;
constexpr int kFrameMargin = 5;
} // namespace

QRect ThumbBounds(int row, int perRow, QSize picture)
{
    const QPoint cell(kFirstCell + (row % perRow) * kCellPitchX, kFirstCell + (row / perRow) * kCellPitchY);
    // The ratio is rounded to single precision first, as it always was: 1920 x 1080 gives 142.
    const float ratio = picture.height() != 0 ? static_cast<float>(picture.width()) / picture.height() : 0.0F;
    const int width = std::min(kCellWidth, static_cast<int>(ratio * kThumbHeight));
    const int left = cell.x() + (kCellWidth - width) / 2;
    return QRect(left, cell.y(), width, kThumbHeight);
}

QRect FrameBounds(const QRect& thumb)
{
    return QRect(thumb.left() - kFrameMargin, thumb.top() - kFrameMargin, thumb.width() + 2 * kFrameMargin,
                 kFrameHeight);
}

std::pair<int, int> RowsInView(int top, int height, int perRow)
{
    const int firstGridRow = std::max(0, (top - kFirstCell) / kCellPitchY);
    const int lastGridRow = std::max(0, (top + height - kFirstCell) / kCellPitchY);
    return {firstGridRow * perRow, (lastGridRow + 1) * perRow - 1};
}

int RowsAway(int row, std::pair<int, int> view)
{
    if (row < view.first)
        return view.first - row;
    return row > view.second ? row - view.second : 0;
}
