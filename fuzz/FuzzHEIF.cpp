// Fuzz target: arbitrary bytes as a HEIF or AVIF file through the HEIF reader over libheif: its size
// from the header, the board's decode for a small cell and the viewer's whole decode. A
// refusal throws EInvalidGraphic and nothing else, and a file whose header is refused is
// never decoded; a decode that succeeds gives pixels that cover the cell and are no larger
// than the picture, or for the whole picture exactly the size the header gave.

#include "imaging/HeifCodec.h"
#include "CodecInput.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

struct TDecoded {
    QImage image;
    QSize natural;
};

// The picture libheif decodes for cover, or nothing when it is refused.
std::optional<TDecoded> Decoded(QByteArray bytes, const TCoverRule& cover)
{
    TDecoded decoded;
    std::optional<QImage> image = fuzz::Decoded(HeifCodec(), bytes, cover, decoded.natural);
    if (!image)
        return std::nullopt;
    decoded.image = std::move(*image);
    return decoded;
}

QSize SmallCell(QSize natural)
{
    return natural.boundedTo({16, 12});
}

bool Within(QSize inner, QSize outer)
{
    return inner.width() <= outer.width() && inner.height() <= outer.height();
}

}  // namespace

// Only the fuzzer calls this; the replay of kept inputs keeps Qt's messages.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt warns about every damaged colour profile, which would only slow the search.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QSize> header = fuzz::Announced(HeifCodec(), bytes);
    if (header && std::int64_t{header->width()} * header->height() > fuzz::kMaxFuzzPixels)
        return 0;
    const std::optional<TDecoded> cell = Decoded(bytes, SmallCell);
    const std::optional<TDecoded> whole = Decoded(bytes, WholePicture);
    if (!header && (cell || whole))
        std::abort();
    if (cell && (cell->image.isNull() || cell->natural != *header || !Within(SmallCell(*header), cell->image.size())
                 || !Within(cell->image.size(), *header)))
        std::abort();
    if (whole && (whole->image.isNull() || whole->natural != *header || whole->image.size() != *header))
        std::abort();
    return 0;
}
