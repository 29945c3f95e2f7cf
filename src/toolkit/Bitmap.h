#pragma once
// TBitmap: a picture held as pixels, over QImage. 24 bits per pixel are stored
// blue, green, red (QImage::Format_BGR888); 8 bits per pixel index a colour table
// (QImage::Format_Indexed8); 32 bits per pixel are opaque 0xffRRGGBB words
// (QImage::Format_RGB32), as Qt's picture readers give them. A bitmap with a side of 0
// is empty and measures 0 x 0.

#include "toolkit/Color.h"
#include "toolkit/Graphic.h"

#include <QImage>
#include <QList>

enum class TPixelFormat { pf8bit, pf24bit, pf32bit };

// Qt's own reader limit (256 MB) would refuse a large picture without a word: Qt's readers
// get the limit of every picture instead, which each reader checks at the header. Any thread.
void RaiseReaderLimit();

class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
    // Takes any QImage: indexed images keep their colours in 8 bits, others become 24 bits.
    explicit TBitmap(const QImage& image);
    // The same, except that 32-bit opaque rows stay as they are, neither converted nor
    // copied: a reader's picture of a hundred million pixels is held once.
    static TBitmap Holding(const QImage& image);
    // Pixels left as they are, for a decoder that writes every row itself; once the rows
    // are in, CoverIndices makes an 8-bit bitmap's colour table cover them.
    static TBitmap Unfilled(int width, int height, TPixelFormat format);
    // Lengthens an 8-bit bitmap's colour table with black up to the highest index its
    // pixels use, so that reading, drawing and saving agree on them.
    void CoverIndices();
    TBitmap(const TBitmap&) = default;
    TBitmap& operator=(const TBitmap&) = default;

    int Width() const override;
    int Height() const override;
    // Resizing keeps the top-left pixels; new pixels are black (colour 0 when 8-bit).
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void SetSize(int width, int height);
    bool Empty() const override;

    TPixelFormat PixelFormat() const;
    // Converting to 8 bits picks the colours; to 24 bits keeps every pixel's colour.
    void SetPixelFormat(TPixelFormat format);

    // The colour at (x, y), or -1 outside the bitmap.
    TColor Pixel(int x, int y) const;
    // Outside the bitmap nothing happens; an 8-bit bitmap takes its nearest colour.
    void SetPixel(int x, int y, TColor color);

    // The colour table of an 8-bit bitmap; empty at 24 bits.
    QList<QRgb> Palette() const;
    void SetPalette(const QList<QRgb>& colors);

    // The pixels, for drawing with a QPainter (24 bits) or fast row access.
    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }

    void Assign(const TGraphic& source) override;
    void Draw(QPainter& painter, const QRect& rect) const override;
    void DrawPart(QPainter& painter, const QRectF& target, const QRectF& source,
                  TDrawFilter filter) const override;

    // Bitmap files only: content of another format, or a header whose pixels would take
    // more than kMaxDecodedBytes, fails with EInvalidGraphic naming the file it came from.
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) override;

private:
    QImage image_;
    TPixelFormat format_ = TPixelFormat::pf24bit;
};

// The size a bitmap file's header announces, read from the device's position; what
// LoadFromStream would refuse at the header throws the same EInvalidGraphic.
QSize ReadBitmapHeader(QIODevice& device);
