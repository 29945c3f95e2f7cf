#include "toolkit/Bitmap.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

QImage::Format QtFormat(TPixelFormat format)
{
    return format == TPixelFormat::pf8bit ? QImage::Format_Indexed8 : QImage::Format_BGR888;
}

bool IsIndexed(const QImage& image)
{
    return image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
        || image.format() == QImage::Format_MonoLSB;
}

// The palette entry closest to a colour, by squared distance.
int NearestIndex(const QList<QRgb>& colors, QRgb rgb)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < colors.size(); ++i) {
        const int dr = qRed(colors[i]) - qRed(rgb);
        const int dg = qGreen(colors[i]) - qGreen(rgb);
        const int db = qBlue(colors[i]) - qBlue(rgb);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

}  // namespace

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format)
{
    SetSize(width, height);
}

TBitmap::TBitmap(const QImage& image)
    : image_(IsIndexed(image) ? image.convertToFormat(QImage::Format_Indexed8)
                              : image.convertToFormat(QImage::Format_BGR888)),
      format_(IsIndexed(image) ? TPixelFormat::pf8bit : TPixelFormat::pf24bit)
{
}

int TBitmap::Width() const
{
    return image_.width();
}

int TBitmap::Height() const
{
    return image_.height();
}

void TBitmap::SetWidth(int width)
{
    SetSize(width, Height());
}

void TBitmap::SetHeight(int height)
{
    SetSize(Width(), height);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    if (image_.isNull()) {
        image_ = QImage(width, height, QtFormat(format_));
        image_.fill(0);
    } else {
        image_ = image_.copy(0, 0, width, height);
    }
}

bool TBitmap::Empty() const
{
    return image_.isNull();
}

TPixelFormat TBitmap::PixelFormat() const
{
    return format_;
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == format_)
        return;
    format_ = format;
    if (!image_.isNull())
        image_ = image_.convertToFormat(QtFormat(format));
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (!image_.valid(x, y))
        return -1;
    const QRgb rgb = image_.pixel(x, y);
    return RGBToColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (!image_.valid(x, y))
        return;
    const QRgb rgb = qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    if (format_ == TPixelFormat::pf8bit)
        image_.setPixel(x, y, static_cast<uint>(NearestIndex(image_.colorTable(), rgb)));
    else
        image_.setPixel(x, y, rgb);
}

QList<QRgb> TBitmap::Palette() const
{
    return format_ == TPixelFormat::pf8bit ? image_.colorTable() : QList<QRgb>{};
}

void TBitmap::SetPalette(const QList<QRgb>& colors)
{
    if (format_ == TPixelFormat::pf8bit)
        image_.setColorTable(colors);
}

void TBitmap::Assign(const TGraphic& source)
{
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source))
        *this = *bitmap;
    else
        TGraphic::Assign(source);
}

void TBitmap::Draw(QPainter& painter, const QRect& rect) const
{
    if (!image_.isNull())
        painter.drawImage(rect, image_);
}

void TBitmap::DrawPart(QPainter& painter, const QRectF& target, const QRectF& source, TDrawFilter filter) const
{
    if (image_.isNull())
        return;
    const bool wasSmooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, filter == TDrawFilter::Smooth);
    painter.drawImage(target, image_, source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
}

void TBitmap::LoadFromStream(QIODevice& stream)
{
    QByteArray bytes = ReadToEnd(stream);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The format is forced: content of another format under a bitmap name is refused.
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic("Bitmap image is not valid");
    *this = TBitmap(image);
}

void TBitmap::SaveToStream(QIODevice& stream)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image_))
        throw EInvalidGraphic("Bitmap image is not valid");
    WriteAll(stream, bytes);
}
