#include "imaging/CameraPreview.h"

#include "imaging/ColorProfile.h"
#include "imaging/JPEGError.h"
#include "imaging/Orientation.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kLargestPreviewSide = 1024;
constexpr qsizetype kTiffStart = 6;  // "Exif\0\0"; every offset counts from the TIFF header after it
constexpr std::uint16_t kPreviewStartTag = 0x0201;
constexpr std::uint16_t kPreviewLengthTag = 0x0202;
constexpr std::uint16_t kShortType = 3;
constexpr std::uint16_t kLongType = 4;
constexpr qsizetype kEntryBytes = 12;

// The TIFF data of an EXIF block, read in its own byte order; a read outside it gives
// nothing, so a damaged block cannot lead anywhere.
class TTiffReader {
public:
    explicit TTiffReader(const QByteArray& exif) : data_(exif.constData() + kTiffStart), size_(exif.size() - kTiffStart)
    {
        const QByteArrayView order(data_, std::min<qsizetype>(size_, 2));
        bigEndian_ = order == "MM";
        if (!bigEndian_ && order != "II")
            size_ = 0;  // not TIFF data
    }

    std::optional<std::uint32_t> Read(qsizetype at, int bytes) const
    {
        if (at < 0 || at > size_ - bytes)
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            const auto byte = static_cast<std::uint8_t>(data_[at + (bigEndian_ ? i : bytes - 1 - i)]);
            value = value << 8 | byte;
        }
        return value;
    }

    qsizetype Size() const { return size_; }

private:
    const char* data_;
    qsizetype size_;
    bool bigEndian_ = false;
};

}  // namespace

TPreviewPlace ExifPreviewPlace(const QByteArray& exif)
{
    if (exif.size() <= kTiffStart)
        return {};
    const TTiffReader tiff(exif);
    // The first directory's link to the next: the second directory describes the preview.
    const std::optional<std::uint32_t> first = tiff.Read(4, 4);
    const std::optional<std::uint32_t> entries = first ? tiff.Read(*first, 2) : std::nullopt;
    const std::optional<std::uint32_t> second =
        entries ? tiff.Read(qsizetype{*first} + 2 + kEntryBytes * *entries, 4) : std::nullopt;
    const std::optional<std::uint32_t> count = second && *second != 0 ? tiff.Read(*second, 2) : std::nullopt;
    if (!count)
        return {};
    std::optional<std::uint32_t> start, length;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const qsizetype entry = qsizetype{*second} + 2 + kEntryBytes * i;
        const std::optional<std::uint32_t> tag = tiff.Read(entry, 2);
        const std::optional<std::uint32_t> type = tiff.Read(entry + 2, 2);
        if (!tag || !type)
            return {};
        if ((*tag != kPreviewStartTag && *tag != kPreviewLengthTag) || (*type != kShortType && *type != kLongType))
            continue;
        (*tag == kPreviewStartTag ? start : length) = tiff.Read(entry + 8, *type == kShortType ? 2 : 4);
    }
    if (!start || !length || *length == 0 || *start > tiff.Size() || *length > tiff.Size() - *start)
        return {};
    return {kTiffStart + *start, *length};
}

TPreviewPlace CameraPreviewPlace(const TJPEGMetadata& metadata)
{
    const TPreviewPlace inExif = ExifPreviewPlace(metadata.exif);
    if (inExif.length == 0 || metadata.exifOffset < 0)
        return {};
    return {metadata.exifOffset + inExif.offset, inExif.length};
}

bool PreviewServes(QSize preview, int orientation, QSize picture, QSize shown)
{
    if (preview.isEmpty() || picture.isEmpty())
        return false;
    const QSize upright = SwapsSides(orientation) ? preview.transposed() : preview;
    if (upright.width() < shown.width() || upright.height() < shown.height())
        return false;
    // |pw / ph - W / H| within a pixel of the preview, on its longer side.
    const long long crossed = std::llabs(static_cast<long long>(upright.width()) * picture.height()
                                         - static_cast<long long>(upright.height()) * picture.width());
    return crossed <= std::max(picture.width(), picture.height());
}

std::optional<TBitmap> DecodeCameraPreview(const QByteArray& preview, const TPreviewOf& picture, QSize shown,
                                           TJPEGDecodeParams params)
{
    if (preview.isEmpty())
        return std::nullopt;
    try {
        const TJPEGHeader header = ReadJPEGHeader(preview);
        // EXIF's thumbnail fits in 64 KB and is some 160 x 120; one that claims more is
        // no camera's, and would cost as much as any large picture.
        if (std::max(header.width, header.height) > kLargestPreviewSide)
            return std::nullopt;
        if (!PreviewServes({header.width, header.height}, picture.orientation, picture.picture, shown))
            return std::nullopt;
        params.scaleDenominator = 1;
        TBitmap bitmap = DecodeJPEG(preview, params);
        // The preview is in the picture's colours, and its rows run as the picture's do.
        if (bitmap.Image().depth() > 8)
            ConvertToSRgb(bitmap.Image(), picture.iccProfile);
        TurnUpright(bitmap, picture.orientation);
        return bitmap;
    } catch (const EJPEG&) {
        return std::nullopt;  // a damaged preview: the picture itself may be fine
    }
}
