#pragma once
// The small JPEG a camera stores in a picture's EXIF block, and whether it can stand for
// the picture on a board: decoding some 20 kilobytes instead of megabytes.

#include "imaging/JPEGCodec.h"
#include "toolkit/Bitmap.h"

#include <QByteArray>
#include <QSize>

#include <optional>

// The preview of an EXIF block (an APP1 body, "Exif\0\0" and its TIFF data) whole; empty
// when there is none or the block cannot be read.
QByteArray ExifPreview(const QByteArray& exif);

// Whether a preview of stored size preview (its rows run as the main picture's, before the
// orientation turns them) stands for a picture shown upright at picture pixels, drawn at
// shown device pixels: once turned it covers shown on both sides and has the picture's
// proportions to within one of its pixels. A camera writes 160 x 120 whatever its picture's
// proportions, with bars: those previews never serve a 3:2 picture.
bool PreviewServes(QSize preview, int orientation, QSize picture, QSize shown);

// The preview of a picture with this metadata decoded under params (at full size: it is
// small), standing upright and in sRGB as the picture does; nothing when it does not
// serve the picture shown at shown device pixels or cannot be decoded.
std::optional<TBitmap> DecodeCameraPreview(const TJPEGMetadata& metadata, QSize shown, TJPEGDecodeParams params);
