#include "imaging/CameraPreview.h"

#include "imaging/Orientation.h"

#include <libexif/exif-data.h>

#include <algorithm>
#include <cstdlib>

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
