#include "imaging/Orientation.h"

#include <QTransform>

#include <libexif/exif-data.h>

int ExifOrientation(const unsigned char* data, unsigned int length)
{
    ExifData* exif = exif_data_new();
    if (!exif)
        return 1;
    // Every option off: the block is taken as it stands, nothing added, repaired or dropped.
    exif_data_unset_option(exif, static_cast<ExifDataOption>(~0U));
    exif_data_load_data(exif, data, length);
    int orientation = 1;
    const ExifEntry* entry = exif_content_get_entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (entry && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 && entry->size >= 2) {
        const int value = exif_get_short(entry->data, exif_data_get_byte_order(exif));
        if (value >= 1 && value <= 8)
            orientation = value;
    }
    exif_data_unref(exif);
    return orientation;
}

bool SwapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

namespace {

// Qt turns by quarters without changing the format; any other transform would not.
QImage Turned(const QImage& image, int degrees)
{
    return image.transformed(QTransform().rotate(degrees));
}

}  // namespace

void TurnUpright(TBitmap& bitmap, int orientation)
{
    QImage& image = bitmap.Image();
    switch (orientation) {
    case 2: image = image.mirrored(true, false); break;
    case 3: image = Turned(image, 180); break;
    case 4: image = image.mirrored(false, true); break;
    case 5: image = Turned(image, 90).mirrored(true, false); break;
    case 6: image = Turned(image, 90); break;
    case 7: image = Turned(image, 90).mirrored(false, true); break;
    case 8: image = Turned(image, 270); break;
    default: break;
    }
}
