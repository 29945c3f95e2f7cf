#include "viewer/ViewerZoom.h"

#include <cmath>
#include <cstdint>

const std::array<TZoomEntry, kZoomEntryCount>& ZoomEntries()
{
    static constexpr std::array<TZoomEntry, kZoomEntryCount> entries{{
        {"400%", 4, 1},
        {"200%", 2, 1},
        {"150%", 3, 2},
        {"125%", 5, 4},
        {"100%", 1, 1},
        {"75%", 3, 4},
        {"50%", 1, 2},
        {"25%", 1, 4},
        {"10%", 1, 10},
    }};
    return entries;
}

std::optional<QSize> ZoomEntrySize(int index, QSize natural)
{
    if (index < 0 || index >= kZoomEntryCount)
        return std::nullopt;
    const TZoomEntry& e = ZoomEntries()[index];
    return QSize(natural.width() * e.num / e.den, natural.height() * e.num / e.den);
}

std::optional<TZoomStep> ZoomInStep(int zoomIndex, QSize shown)
{
    if (zoomIndex < 0)
        return std::nullopt;
    return TZoomStep{zoomIndex, zoomIndex - 1, {5 * shown.width() / 4, 5 * shown.height() / 4}};
}

std::optional<TZoomStep> ZoomOutStep(int zoomIndex, QSize shown)
{
    if (zoomIndex > kZoomEntryCount - 1)
        return std::nullopt;
    return TZoomStep{zoomIndex, zoomIndex + 1, {3 * shown.width() / 4, 3 * shown.height() / 4}};
}

QSize FixSize(QSize shown, QSize area)
{
    const int w = shown.width();
    const int h = shown.height();
    if (w <= 0 || h <= 0)
        return shown;
    // The ratio is kept in single precision, the products are not: that decides where
    // a side that lands on a whole number is cut.
    const float r = w > h ? static_cast<float>(area.width()) / static_cast<float>(w)
                          : static_cast<float>(area.height()) / static_cast<float>(h);
    return QSize(static_cast<int>(std::trunc(static_cast<double>(w) * r - 10.0)),
                 static_cast<int>(std::trunc(static_cast<double>(h) * r - 8.0)));
}

QRect StretchBounds(QSize area)
{
    return QRect(0, 0, area.width() - 10, area.height() - 8);
}

QPoint CentredOrigin(QSize shown, QSize area)
{
    return QPoint(shown.width() < area.width() ? (area.width() - shown.width()) / 2 : 0,
                  shown.height() < area.height() ? (area.height() - shown.height()) / 2 : 0);
}

QSize RoomFor(QSize extent, QSize full, QSize bars)
{
    QSize room = full;
    // A bar the first look adds can bring the other bar; the second look settles it.
    for (int look = 0; look < 2; ++look)
        room = QSize(full.width() - (extent.height() > room.height() ? bars.width() : 0),
                     full.height() - (extent.width() > room.width() ? bars.height() : 0));
    return room;
}

namespace {
// Rounded down, in 64 bits: a point far out on a large picture overflows 32.
int Scaled(int v, int to, int from)
{
    const std::int64_t product = std::int64_t{v} * to;
    return static_cast<int>(product / from - (product % from < 0 ? 1 : 0));
}
}  // namespace

QPoint PicturePoint(QPoint at, QSize shown, QSize natural)
{
    if (shown.width() <= 0 || shown.height() <= 0)
        return at;
    return QPoint(Scaled(at.x(), natural.width(), shown.width()), Scaled(at.y(), natural.height(), shown.height()));
}
