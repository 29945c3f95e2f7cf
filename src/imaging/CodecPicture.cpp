#include "imaging/CodecPicture.h"

#include <QBuffer>
#include <QPainter>

TCodecPicture::TCodecPicture(const TPictureCodec& codec) : codec_(codec) {}

void TCodecPicture::SetWidth(int)
{
    throw EInvalidGraphicOperation("Cannot change the size of a " + codec_.Name() + " image");
}

void TCodecPicture::SetHeight(int height)
{
    SetWidth(height);
}

void TCodecPicture::Draw(QPainter& painter, const QRect& rect) const
{
    if (image_)
        painter.drawImage(rect, *image_);
}

void TCodecPicture::DrawPart(QPainter& painter, const QRectF& target, const QRectF& source, TDrawFilter filter) const
{
    if (!image_)
        return;
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, filter == TDrawFilter::Smooth);
    painter.drawImage(target, *image_, source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void TCodecPicture::AssignTo(TGraphic& dest) const
{
    auto* bitmap = dynamic_cast<TBitmap*>(&dest);
    if (!bitmap) {
        TGraphic::AssignTo(dest);
        return;
    }
    Decode();
    *bitmap = TBitmap(*image_);
}

void TCodecPicture::LoadFromStream(QIODevice& stream)
{
    QByteArray bytes = ReadToEnd(stream);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = codec_.ReadSize(buffer);
    bytes_ = std::move(bytes);
    size_ = size;
    image_.reset();
}

void TCodecPicture::SaveToStream(QIODevice& stream)
{
    WriteAll(stream, bytes_);
}

void TCodecPicture::Decode() const
{
    if (image_ || bytes_.isEmpty())
        return;
    QByteArray bytes = bytes_;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QSize natural;
    image_ = std::make_unique<QImage>(codec_.Decode(buffer, WholePicture, natural));
}
