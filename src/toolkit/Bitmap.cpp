#include "toolkit/Bitmap.h"

#include "toolkit/PathFile.h"
#include "toolkit/PictureLimits.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <mutex>

void RaiseReaderLimit()
{
    static std::once_flag raised;
    std::call_once(raised, [] { QImageReader::setAllocationLimit(static_cast<int>(kMaxDecodedBytes >> 20)); });
}

namespace {

QImage::Format QtFormat(TPixelFormat format)
{
    return format == TPixelFormat::pf8bit    ? QImage::Format_Indexed8
           : format == TPixelFormat::pf32bit ? QImage::Format_RGB32
                                             : QImage::Format_BGR888;
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

// " (file name)" when the stream is a file, so that an error names what was read.
std::string Source(const QIODevice& stream)
{
    const auto* file = dynamic_cast<const TPathFile*>(&stream);
    return file ? " (" + file->Path() + ")" : std::string{};
}

// A reader of bitmap content only: another format under a bitmap name is refused.
void UseBitmapFormat(QImageReader& reader)
{
    reader.setAutoDetectImageFormat(false);
    reader.setFormat("bmp");
    RaiseReaderLimit();
}

// Qt refuses a header past its own pixel limit without saying why; the header's size
// and depth are read here first, so that a bitmap too large to decode is named as such.
// Qt decodes 8-bit and smaller bitmaps to 8 bits a pixel, every other one to 32.
void RefuseOversized(const QByteArray& head, const std::string& source)
{
    if (head.size() < 26 || !head.startsWith("BM"))
        return;
    const char* info = head.constData() + 14;
    std::int64_t width = 0, height = 0;
    int bits = 0;
    if (qFromLittleEndian<quint32>(info) == 12) {  // the old core header: 16-bit sides
        width = qFromLittleEndian<quint16>(info + 4);
        height = qFromLittleEndian<quint16>(info + 6);
        bits = qFromLittleEndian<quint16>(info + 10);
    } else if (head.size() >= 30) {
        width = std::abs(std::int64_t{qFromLittleEndian<qint32>(info + 4)});
        height = std::abs(std::int64_t{qFromLittleEndian<qint32>(info + 8)});
        bits = qFromLittleEndian<quint16>(info + 14);
    }
    const std::int64_t rowBytes = ((width * (bits <= 8 ? 8 : 32) + 31) / 32) * 4;
    if (height > 0 && rowBytes > kMaxDecodedBytes / height)
        throw EInvalidGraphic("Bitmap image of " + std::to_string(width) + " x " + std::to_string(height)
                              + " pixels is larger than 1 GiB" + source);
}

// The size the reader's header gives, refused when it is too large or there is none.
QSize CheckedHeader(QImageReader& reader, const QByteArray& head, const std::string& source)
{
    RefuseOversized(head, source);
    // A top-down bitmap announces a negative height, which Qt hands on as it stands.
    const QSize announced = reader.size();
    const QSize size(announced.width(), std::abs(announced.height()));
    if (size.isEmpty())
        throw EInvalidGraphic("Bitmap image is not valid" + source);
    return size;
}

}  // namespace

QSize ReadBitmapHeader(QIODevice& device)
{
    const QByteArray head = device.peek(30);
    QImageReader reader(&device);
    UseBitmapFormat(reader);
    return CheckedHeader(reader, head, Source(device));
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format)
{
    SetSize(width, height);
}

TBitmap::TBitmap(const QImage& image)
    : image_(image.convertToFormat(IsIndexed(image) ? QImage::Format_Indexed8 : QImage::Format_BGR888)),
      format_(IsIndexed(image) ? TPixelFormat::pf8bit : TPixelFormat::pf24bit)
{
    // Qt keeps pixel indices past a file's colour table and draws them black.
    CoverIndices();
}

TBitmap TBitmap::Holding(const QImage& image)
{
    if (image.format() != QImage::Format_RGB32)
        return TBitmap(image);
    TBitmap bitmap;
    bitmap.format_ = TPixelFormat::pf32bit;
    bitmap.image_ = image;
    return bitmap;
}

TBitmap TBitmap::Unfilled(int width, int height, TPixelFormat format)
{
    TBitmap bitmap;
    bitmap.format_ = format;
    bitmap.image_ = QImage(std::max(width, 0), std::max(height, 0), QtFormat(format));
    return bitmap;
}

void TBitmap::CoverIndices()
{
    if (image_.format() != QImage::Format_Indexed8)
        return;
    int highest = -1;
    for (int y = 0; y < image_.height(); ++y) {
        const uchar* row = image_.constScanLine(y);
        highest = std::max<int>(highest, *std::max_element(row, row + image_.width()));
    }
    if (highest >= image_.colorCount()) {
        QList<QRgb> table = image_.colorTable();
        table.resize(highest + 1, qRgb(0, 0, 0));
        image_.setColorTable(table);
    }
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
    const std::string source = Source(stream);
    QByteArray bytes = ReadToEnd(stream);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    UseBitmapFormat(reader);
    CheckedHeader(reader, bytes.left(30), source);
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic("Bitmap image is not valid" + source);
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
