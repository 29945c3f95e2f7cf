#include "imaging/PictureCodec.h"

#include "toolkit/Graphic.h"
#include "toolkit/PictureLimits.h"

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

void RefuseContent(const TPictureCodec& codec, const std::string& why)
{
    throw EInvalidGraphic(codec.Name() + " image is not valid" + (why.empty() ? std::string{} : ": " + why));
}
