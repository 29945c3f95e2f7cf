#include "imaging/Orientation.h"

#include <QTransform>

#include <cstring>

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

namespace {

template <int Bytes>
void Place(const TStoredRows& stored, int width, int height, int orientation, unsigned char* out, std::ptrdiff_t stride)
{
    // Stored pixel (x, y) lands at upright (ux, uy). Mirrored ones run right to left.
    const bool turned = SwapsSides(orientation);
    const bool flipX = orientation == 2 || orientation == 3 || orientation == 6 || orientation == 7;
    const bool flipY = orientation == 3 || orientation == 4 || orientation == 7 || orientation == 8;
    if (!turned) {
        // Each stored row stays a row, mirrored or moved to the other end.
        for (int k = 0; k < stored.count; ++k) {
            const unsigned char* row = stored.rows[k];
            const int y = stored.first + k;
            unsigned char* line = out + static_cast<std::ptrdiff_t>(flipY ? height - 1 - y : y) * stride;
            if (!flipX) {
                std::memcpy(line, row, static_cast<std::size_t>(width) * Bytes);
                continue;
            }
            for (int x = 0; x < width; ++x)
                std::memcpy(line + static_cast<std::ptrdiff_t>(width - 1 - x) * Bytes, row + x * Bytes, Bytes);
        }
        return;
    }
    // A quarter turn: stored row y becomes upright column y (or height - 1 - y). Column by
    // column over all the rows at once, so each upright row gets a run of pixels.
    for (int x = 0; x < width; ++x) {
        unsigned char* line = out + static_cast<std::ptrdiff_t>(flipY ? width - 1 - x : x) * stride;
        for (int k = 0; k < stored.count; ++k) {
            const int y = stored.first + k;
            std::memcpy(line + static_cast<std::ptrdiff_t>(flipX ? height - 1 - y : y) * Bytes,
                        stored.rows[k] + static_cast<std::ptrdiff_t>(x) * Bytes, Bytes);
        }
    }
}

}  // namespace

void PlaceUpright(const TStoredRows& stored, int width, int height, int bytesPerPixel, int orientation,
                  unsigned char* out, std::ptrdiff_t stride)
{
    if (bytesPerPixel == 1)
        Place<1>(stored, width, height, orientation, out, stride);
    else
        Place<3>(stored, width, height, orientation, out, stride);
}
