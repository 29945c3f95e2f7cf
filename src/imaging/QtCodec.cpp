#include "imaging/QtCodec.h"

#include "imaging/SvgSize.h"
#include "toolkit/Bitmap.h"
#include "toolkit/PictureLimits.h"

#include <QColorSpace>
#include <QImageReader>

#include <cstdint>
#include <optional>

namespace {

class TQtCodec : public TPictureCodec {
public:
    // scalable: a drawing, rendered at the size it is shown at.
    TQtCodec(const char* name, const char* format, bool scalable) : name_(name), format_(format), scalable_(scalable) {}

    std::string Name() const override { return name_; }

    QSize ReadSize(QIODevice& file) const override
    {
        QImageReader reader;
        return Open(reader, file);
    }

    QImage Decode(QIODevice& file, const TCoverRule& cover, QSize& natural) const override
    {
        QImageReader reader;
        natural = Open(reader, file);
        if (scalable_) {
            // Drawn at the size it is shown at: a drawing has no pixels of its own.
            const QSize size = natural.scaled(cover(natural).expandedTo({1, 1}), Qt::KeepAspectRatioByExpanding);
            CheckDecodedSize(*this, size);
            reader.setScaledSize(size);
            // Drawn over white from the start: no second pass over the pixels.
            reader.setBackgroundColor(Qt::white);
            QImage image = Read(reader);
            image.reinterpretAsFormat(QImage::Format_RGB32);
            return Shown(std::move(image), {});
        }
        return Shown(Read(reader), natural);
    }

    std::vector<TPictureFrame> DecodeFrames(QIODevice& file) const override
    {
        QImageReader reader;
        const QSize natural = Open(reader, file);
        if (!reader.supportsAnimation() || reader.imageCount() == 1)
            return {};
        std::vector<TPictureFrame> frames;
        std::int64_t bytes = 0;
        const std::int64_t frameBytes = std::int64_t{natural.width()} * natural.height() * 4;
        while (reader.canRead() && (bytes += frameBytes) <= kMaxDecodedBytes) {
            QImage frame = reader.read();
            if (frame.isNull())
                break;
            frames.push_back({Shown(std::move(frame), natural), reader.nextImageDelay()});
        }
        if (frames.size() < 2)
            return {};
        return frames;
    }

private:
    // The reader on file's content, read as this type alone; the picture's size as shown.
    QSize Open(QImageReader& reader, QIODevice& file) const
    {
        RaiseReaderLimit();
        reader.setDevice(&file);
        reader.setFormat(format_);
        reader.setAutoDetectImageFormat(false);
        reader.setAutoTransform(true);
        if (!reader.canRead())
            RefuseContent(*this);
        // A drawing says its size at its start; Qt's reader would build the whole drawing
        // for it, and again to draw it.
        const std::optional<QSize> declared = scalable_ ? SvgDeclaredSize(file) : std::nullopt;
        QSize size = declared ? *declared : reader.size();
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            size.transpose();
        CheckDecodedSize(*this, size);
        return size;
    }

    QImage Read(QImageReader& reader) const
    {
        QImage image = reader.read();
        if (image.isNull())
            RefuseContent(*this, reader.errorString().toStdString());
        return image;
    }

    // Colours in sRGB; what is transparent shown over white, as a page would show it. A
    // picture of another size than its header said (a GIF frame reaching past its screen)
    // is cut or filled out to that size, which the windows have laid it out at.
    static QImage Shown(QImage image, QSize announced)
    {
        if (announced.isValid() && image.size() != announced)
            image = image.copy(QRect(QPoint(), announced));
        const QColorSpace space = image.colorSpace();
        if (image.hasAlphaChannel())
            ShowOverWhite(image);
        else if (image.format() != QImage::Format_RGB32)
            image.convertTo(QImage::Format_RGB32);
        if (space.isValid() && space != QColorSpace(QColorSpace::SRgb))
            image.convertToColorSpace(QColorSpace::SRgb);
        return image;
    }

    std::string name_;
    QByteArray format_;
    bool scalable_;
};

}  // namespace

const TPictureCodec& PngCodec()
{
    static const TQtCodec codec("PNG", "png", false);
    return codec;
}

const TPictureCodec& GifCodec()
{
    static const TQtCodec codec("GIF", "gif", false);
    return codec;
}

const TPictureCodec& QtWebpCodec()
{
    static const TQtCodec codec("WebP", "webp", false);
    return codec;
}

const TPictureCodec& TiffCodec()
{
    static const TQtCodec codec("TIFF", "tiff", false);
    return codec;
}

const TPictureCodec& SvgCodec()
{
    static const TQtCodec codec("SVG", "svg", true);
    return codec;
}
