#include "viewer/window/ViewerImage.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

TViewerImage::TViewerImage(QWidget* parent) : QWidget(parent)
{
    // The picture covers the control; nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TViewerImage::SetPicture(const TBitmap& picture)
{
    picture_ = picture;
    update();
}

void TViewerImage::Mark(QPoint a, QPoint b)
{
    const QRect outline(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                        QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
    if (outline.isEmpty() || picture_.Empty())
        return;
    // A grey picture is held with a colour table, which a painter cannot draw on.
    if (picture_.PixelFormat() == TPixelFormat::pf8bit)
        picture_.SetPixelFormat(TPixelFormat::pf24bit);
    QPainter painter(&picture_.Image());
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    // An aliased outline covers its rectangle's size plus one.
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.end();
    update();
}

void TViewerImage::paintEvent(QPaintEvent* event)
{
    if (picture_.Empty() || width() <= 0 || height() <= 0)
        return;
    const QRect target = event->rect() & rect();
    const double sx = double(picture_.Width()) / width();
    const double sy = double(picture_.Height()) / height();
    const QRectF source(target.x() * sx, target.y() * sy, target.width() * sx, target.height() * sy);
    // Shown smaller than it is, the picture is blended; at its size and above, pixels stay sharp.
    const bool reduced = width() < picture_.Width() || height() < picture_.Height();
    QPainter painter(this);
    picture_.DrawPart(painter, target, source, reduced ? TDrawFilter::Smooth : TDrawFilter::Sharp);
}
