#include "imaging/PictureCodec.h"

#include "toolkit/Graphic.h"
#include "toolkit/PictureLimits.h"

#include <QPainter>

#include <cstdint>

std::vector<TPictureFrame> TPictureCodec::DecodeFrames(QIODevice&) const
{
    return {};
}

QSize WholePicture(QSize natural)
{
    return natural;
}

void CheckDecodedSize(const TPictureCodec& codec, QSize size)
{
    if (size.isEmpty())
        RefuseContent(codec, "it has no pixels");
    if (std::int64_t{size.width()} * size.height() * 4 > kMaxDecodedBytes)
        throw EInvalidGraphic(codec.Name() + " image of " + std::to_string(size.width()) + " x "
                              + std::to_string(size.height()) + " pixels is larger than 1 GiB");
}

void ShowOverWhite(QImage& image)
{
    const bool rgba = image.pixelFormat().colorModel() == QPixelFormat::RGB
                      && image.pixelFormat().typeInterpretation() == QPixelFormat::UnsignedByte;
    image.convertTo(rgba ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    painter.fillRect(image.rect(), Qt::white);
    painter.end();
    image.reinterpretAsFormat(rgba ? QImage::Format_RGBX8888 : QImage::Format_RGB32);
}

void RefuseContent(const TPictureCodec& codec, const std::string& why)
{
    throw EInvalidGraphic(codec.Name() + " image is not valid" + (why.empty() ? std::string{} : ": " + why));
}
