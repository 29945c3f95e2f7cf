#include "thumbs/window/ThumbFrame.h"

#include "thumbs/ThumbGeometry.h"
#include "thumbs/window/ThumbImage.h"

#include <QPainter>

namespace {
const QColor kFrameFill(255, 255, 0);
constexpr int kFramePen = 4;
}  // namespace

TImage* MakeThumbFrame(QWidget* surface, const QRect& thumb)
{
    const QRect bounds = FrameBounds(thumb);
    const int width = bounds.width(), height = bounds.height();
    QImage canvas(width, height, QImage::Format_RGB32);
    {
        // A one-pixel frame in the fill colour, then the filled polygon through the corners
        // with the 4-pixel black pen.
        QPainter painter(&canvas);
        painter.setPen(kFrameFill);
        painter.drawRect(QRect(QPoint(0, 0), QPoint(width, height)));
        const QPoint corners[] = {{0, 0}, {width, 0}, {width, height}, {0, height}};
        painter.setBrush(kFrameFill);
        painter.setPen(QPen(Qt::black, kFramePen));
        painter.drawPolygon(corners, 4);
    }
    auto* frame = new TImage(surface);
    frame->setGeometry(bounds);
    frame->SetPicture(std::move(canvas));
    frame->show();
    frame->lower();
    return frame;
}
