#include "thumbs/window/ThumbImage.h"

#include "toolkit/Errors.h"

#include <QPainter>

namespace {
const QColor kPlaceholder(0xE0, 0xE0, 0xE0);
const QColor kDamageMark(0xC0, 0x00, 0x00);
}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::SetPicture(QImage picture)
{
    picture_ = std::move(picture);
    damaged_ = false;
    update();
}

void TImage::SetDamaged()
{
    picture_ = QImage();
    damaged_ = true;
    update();
}

void TImage::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawImage(rect(), picture_);
        return;
    }
    painter.fillRect(rect(), kPlaceholder);
    if (damaged_) {
        painter.setPen(QPen(kDamageMark, 3));
        painter.drawLine(rect().topLeft(), rect().bottomRight());
        painter.drawLine(rect().topRight(), rect().bottomLeft());
    }
}

void TImage::mousePressEvent(QMouseEvent* /*event*/)
{
    if (OnMouseDown)
        Guarded([&] { OnMouseDown(); });
}

void TImage::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    if (OnDblClick)
        Guarded([&] { OnDblClick(); });
}
