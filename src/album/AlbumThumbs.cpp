#include "album/AlbumThumbs.h"

#include "imaging/JPEGImage.h"
#include "toolkit/PictureLimits.h"
#include "toolkit/RunTime.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

// The source index of every target index: the integer stepping, kept inside the picture.
std::vector<int> Steps(int source, int target)
{
    std::vector<int> steps(static_cast<std::size_t>(target));
    std::int64_t acc = 0;
    int s = 0;
    for (int i = 0; i < target; ++i) {
        acc += source;
        while (acc >= target) {
            ++s;
            acc -= target;
        }
        steps[static_cast<std::size_t>(i)] = s < source ? s : source - 1;
    }
    return steps;
}

} // namespace

TThumbSize ThumbSize(const TThumbSettings& settings, int width, int height)
{
    TThumbSize size;
    if (settings.mode == 1) {
        size = {StrToInt(settings.pixelsWidth), StrToInt(settings.pixelsHeight)};
    } else {
        // 32-bit arithmetic as always: the product wraps rather than widens.
        const auto percent = [](const std::string& text, int side) {
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(StrToInt(text))
                                             * static_cast<std::uint32_t>(side))
                   / 100;
        };
        size = {percent(settings.percentWidth, width), percent(settings.percentHeight, height)};
    }
    if (size.width <= 0 || size.height <= 0)
        throw EConvertError("A thumbnail of " + IntToStr(size.width) + " x " + IntToStr(size.height)
                            + " pixels cannot be made");
    return size;
}

TBitmap ReduceNearest(const TBitmap& source, TThumbSize size)
{
    const QImage& from = source.Image();
    const int bytes = from.depth() / 8;
    if (std::int64_t{size.width} * size.height * bytes > kMaxDecodedBytes)
        throw EConvertError("A thumbnail of " + IntToStr(size.width) + " x " + IntToStr(size.height)
                            + " pixels is larger than 1 GiB");
    QImage to(size.width, size.height, from.format());
    if (to.isNull())
        throw std::bad_alloc();
    if (from.format() == QImage::Format_Indexed8)
        to.setColorTable(from.colorTable());
    const std::vector<int> columns = Steps(from.width(), size.width);
    const std::vector<int> rows = Steps(from.height(), size.height);
    for (int y = 0; y < size.height; ++y) {
        const uchar* in = from.constScanLine(rows[static_cast<std::size_t>(y)]);
        uchar* out = to.scanLine(y);
        for (int x = 0; x < size.width; ++x)
            std::memcpy(out + x * bytes, in + columns[static_cast<std::size_t>(x)] * bytes,
                        static_cast<std::size_t>(bytes));
    }
    return TBitmap(to);
}

QByteArray MakeThumbnail(const std::string& path, const TThumbSettings& thumbs, const TJPEGSettings& jpeg)
{
    // Loading sets WriteProgressive from the file, so the thumbnail follows its picture.
    TJPEGImage image(jpeg);
    image.LoadFromFile(path);
    TBitmap picture;
    picture.Assign(image);
    if (picture.Empty())
        throw EInvalidGraphic("The picture " + path + " holds no pixels");
    const TThumbSize size = ThumbSize(thumbs, picture.Width(), picture.Height());
    image.Assign(ReduceNearest(picture, size));
    return image.SaveToBytes();
}
