#pragma once
// What every added type's fuzz target checks: arbitrary bytes through the reader's
// ReadSize and its Decode for a thumbnail and for the whole picture, from memory. Each
// either throws EInvalidGraphic (and nothing else) or succeeds; a decode that succeeds
// gives a picture that is not null, of the size the header announced or, for a
// thumbnail, one that still covers the cell.

#include "imaging/PictureCodec.h"
#include "toolkit/Graphic.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace fuzz {

// Larger pictures are read the same way; they would only slow the search.
constexpr std::int64_t kMaxFuzzPixels = 1 << 22;

inline std::optional<QSize> Announced(const TPictureCodec& codec, QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        return codec.ReadSize(buffer);
    } catch (const EInvalidGraphic&) {
        return std::nullopt;
    }
}

// The picture decoded for cover, or nothing when it was refused.
inline std::optional<QImage> Decoded(const TPictureCodec& codec, QByteArray& bytes, const TCoverRule& cover,
                                     QSize& natural)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        return codec.Decode(buffer, cover, natural);
    } catch (const EInvalidGraphic&) {
        return std::nullopt;
    }
}

inline QSize ThumbnailCell(QSize natural)
{
    return natural.scaled(16, 16, Qt::KeepAspectRatio).expandedTo({1, 1});
}

inline int FuzzCodec(const TPictureCodec& codec, const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QSize> announced = Announced(codec, bytes);
    if (announced && std::int64_t{announced->width()} * announced->height() > kMaxFuzzPixels)
        return 0;
    for (const TCoverRule& cover : {TCoverRule(ThumbnailCell), TCoverRule(WholePicture)}) {
        QSize natural;
        const std::optional<QImage> image = Decoded(codec, bytes, cover, natural);
        if (!image)
            continue;
        if (!announced || image->isNull() || natural != *announced)
            std::abort();
        const QSize wanted = cover(natural);
        if (image->width() < wanted.width() || image->height() < wanted.height())
            std::abort();
    }
    return 0;
}

}  // namespace fuzz
