#pragma once
// The album's thumbnails: the size the settings give and the nearest-neighbour
// reduction of a fully decoded picture. Plain data only, so worker threads use it.

#include "imaging/JPEGSettings.h"
#include "toolkit/Bitmap.h"

#include <QByteArray>

#include <cstdint>
#include <string>

// The thumbnail settings of MainState, copied when Make is pressed.
struct TThumbSettings {
    std::int32_t mode = 1;  // 1: a size in pixels; anything else: percentages
    std::string pixelsWidth, pixelsHeight;
    std::string percentWidth, percentHeight;
};

struct TThumbSize {
    int width = 0;
    int height = 0;
    bool operator==(const TThumbSize&) const = default;
};

// The thumbnail size of a width x height picture. A setting that is not an integer
// throws EConvertError, and a size of 0 or less, which no JPEG file can hold, throws
// EConvertError as well.
TThumbSize ThumbSize(const TThumbSettings& settings, int width, int height);

// Column x takes source column (x + 1) * W / w, row y source row (y + 1) * H / h, by
// integer stepping; the step that reaches one past the picture's last column or row
// takes that last column or row. 8-bit bitmaps keep their colour table. A thumbnail
// that would take more than the decoding limit throws EConvertError, like a size of 0.
TBitmap ReduceNearest(const TBitmap& source, TThumbSize size);

// The thumbnail file's bytes for the JPEG picture at path: decoded at full size,
// reduced, encoded with settings, progressive exactly when the picture is. Throws
// when the picture cannot be read or decoded or the size cannot be used.
QByteArray MakeThumbnail(const std::string& path, const TThumbSettings& thumbs, const TJPEGSettings& jpeg);
