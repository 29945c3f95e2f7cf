#include "imaging/CameraPreview.h"

#include "imaging/ColorProfile.h"
#include "imaging/JPEGError.h"
#include "imaging/Orientation.h"

#include <libexif/exif-data.h>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kLargestPreviewSide = 1024;
}  // namespace

QByteArray ExifPreview(const QByteArray& exif)
{
    ExifData* data = exif_data_new();
    if (!data)
        return {};
    // As for the orientation: the block as it stands, nothing repaired or dropped.
    exif_data_unset_option(data, static_cast<ExifDataOption>(~0U));
    exif_data_load_data(data, reinterpret_cast<const unsigned char*>(exif.constData()),
                        static_cast<unsigned int>(exif.size()));
    QByteArray preview;
    if (data->data && data->size > 0)
        preview = QByteArray(reinterpret_cast<const char*>(data->data), static_cast<qsizetype>(data->size));
    exif_data_unref(data);
    return preview;
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

std::optional<TBitmap> DecodeCameraPreview(const TJPEGMetadata& metadata, QSize shown, TJPEGDecodeParams params)
{
    const QByteArray preview = ExifPreview(metadata.exif);
    if (preview.isEmpty())
        return std::nullopt;
    const QSize picture(metadata.header.width, metadata.header.height);
    try {
        const TJPEGHeader header = ReadJPEGHeader(preview);
        // EXIF's thumbnail fits in 64 KB and is some 160 x 120; one that claims more is
        // no camera's, and would cost as much as any large picture.
        if (std::max(header.width, header.height) > kLargestPreviewSide)
            return std::nullopt;
        if (!PreviewServes({header.width, header.height}, metadata.header.orientation, picture, shown))
            return std::nullopt;
        params.scaleDenominator = 1;
        TBitmap bitmap = DecodeJPEG(preview, params);
        // The preview is in the picture's colours, and its rows run as the picture's do.
        if (bitmap.Image().depth() > 8)
            ConvertToSRgb(bitmap.Image(), metadata.iccProfile);
        TurnUpright(bitmap, metadata.header.orientation);
        return bitmap;
    } catch (const EJPEG&) {
        return std::nullopt;  // a damaged preview: the picture itself may be fine
    }
}
