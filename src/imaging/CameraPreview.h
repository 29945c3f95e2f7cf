#pragma once
// The small JPEG a camera stores in a picture's EXIF block, and whether it can stand for
// the picture on a board: decoding some 20 kilobytes instead of megabytes.

#include "imaging/JPEGCodec.h"
#include "toolkit/Bitmap.h"

#include <QByteArray>
#include <QSize>

#include <cstdint>
#include <optional>

// Where a preview's bytes lie in a file (or in the bytes its metadata was read from);
// length 0 when there is none. A board keeps this for every row instead of the bytes.
struct TPreviewPlace {
    std::int64_t offset = 0;
    std::int64_t length = 0;
    bool operator==(const TPreviewPlace&) const = default;
};

// The place of the preview in an EXIF block (an APP1 body, "Exif\0\0" and its TIFF data),
// counted from the block's first byte: the second directory's JPEG offset and length.
// None when there is no preview or it does not lie inside the block.
TPreviewPlace ExifPreviewPlace(const QByteArray& exif);

// The same in the file the metadata was read from.
TPreviewPlace CameraPreviewPlace(const TJPEGMetadata& metadata);

// Whether a preview of stored size preview (its rows run as the main picture's, before the
// orientation turns them) stands for a picture shown upright at picture pixels, drawn at
// shown device pixels: once turned it covers shown on both sides and has the picture's
// proportions to within one of its pixels. A camera writes 160 x 120 whatever its picture's
// proportions, with bars: those previews never serve a 3:2 picture.
bool PreviewServes(QSize preview, int orientation, QSize picture, QSize shown);

// What a preview is decoded for: the picture it stands in for, as its header says.
struct TPreviewOf {
    QSize picture;     // upright
    int orientation = 1;
    QByteArray iccProfile;
};

// The preview's bytes decoded under params (at full size: it is small), standing upright
// and in sRGB as the picture does; nothing when it does not serve the picture shown at
// shown device pixels or cannot be decoded.
std::optional<TBitmap> DecodeCameraPreview(const QByteArray& preview, const TPreviewOf& picture, QSize shown,
                                           TJPEGDecodeParams params);
