#include "viewer/window/SlideImage.h"

#include <QPainter>

TSlideImage::TSlideImage(QWidget* parent) : QWidget(parent) {}

void TSlideImage::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void TSlideImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}
