#pragma once
// The viewer's sizing rules as plain functions of sizes: the zoom list, the Zoom In and
// Zoom Out steps, Fix, Stretch, centring, the room scroll bars leave and the way from a
// point on the shown picture to its pixels. The window only applies what they give.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

// One entry of the zoom list: its text and the factor num / den it gives a natural size.
struct TZoomEntry {
    const char* text;
    int num;
    int den;
};

inline constexpr int kZoomEntryCount = 9;
// The entry the list starts on: "100%".
inline constexpr int kZoomNatural = 4;

const std::array<TZoomEntry, kZoomEntryCount>& ZoomEntries();

// The size entry index gives a picture of size natural, each side rounded down; nothing
// for an index outside the list (no entry chosen).
std::optional<QSize> ZoomEntrySize(int index, QSize natural);

// A step of Zoom In or Zoom Out: the list shows the entry of the index held before the
// step, so the list stays one step behind the index.
struct TZoomStep {
    int shownEntry;
    int nextIndex;
    QSize size;
};

// Zoom In: 5/4 of the size shown; nothing once the index is below the list.
std::optional<TZoomStep> ZoomInStep(int zoomIndex, QSize shown);
// Zoom Out: 3/4 of the size shown; nothing once the index is past the list.
std::optional<TZoomStep> ZoomOutStep(int zoomIndex, QSize shown);

// Fix: the side the picture is long on spans the area less a margin (10 across, 8 down);
// the other follows the proportion less its own margin, so it may overflow and scroll.
QSize FixSize(QSize shown, QSize area);

// Stretch: the area less the margins, at the area's top left, whatever the proportion.
QRect StretchBounds(QSize area);

// Where a picture of size shown sits: centred on each side it is smaller on, else at 0.
QPoint CentredOrigin(QSize shown, QSize area);

// The room a scrolling area of size full (no bars) leaves a picture whose bounds reach
// extent from its top left: a side the extent overflows gets a bar, which takes its
// breadth (bars: the vertical bar's width, the horizontal bar's height) from the other
// side, and that may make the other side overflow in turn.
QSize RoomFor(QSize extent, QSize full, QSize bars);

// The pixel of a picture of size natural under point at, when it is shown at size shown.
QPoint PicturePoint(QPoint at, QSize shown, QSize natural);
