#pragma once
// A drawing's size as its root element declares it, read without building the drawing:
// Qt's reader gets the size by parsing the whole document, which for a drawing of
// thousands of shapes costs as much as drawing it. Plain width and height (in pixels or
// without a unit) are taken; without them, the view box's. Anything else (other units,
// percentages without a view box, a root element past the first 64 KB) gives nothing,
// and the caller asks Qt. Any thread.

#include <QIODevice>
#include <QSize>

#include <optional>

std::optional<QSize> SvgDeclaredSize(QIODevice& device);
