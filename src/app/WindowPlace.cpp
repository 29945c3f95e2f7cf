#include "app/WindowPlace.h"

#include <algorithm>

QRect NormalPlace(const QRect& available, const QMargins& frame, QSize wanted)
{
    const QRect inside = available.marginsRemoved(frame);
    const QSize size(std::min(wanted.width(), inside.width()), std::min(wanted.height(), inside.height()));
    return QRect(QPoint(inside.left() + (inside.width() - size.width()) / 2,
                        inside.top() + (inside.height() - size.height()) / 2),
                 size);
}
