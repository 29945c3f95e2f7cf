// Fuzz target: arbitrary bytes as a bitmap file, through TBitmap from memory and through
// the picture container from a ".bmp" file. A load that fails throws EInvalidGraphic and
// nothing else, the same way both roads; one that succeeds gives a bitmap that is not
// empty, of the size its header announces, and Lumora's own save of it loads back with
// the same size, depth, colour table and pixel colours.

#include "toolkit/Bitmap.h"
#include "toolkit/Picture.h"
#include "RunFile.h"

#include <QBuffer>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Larger pictures, up to the decoding limit, are read the same way; they would only slow
// the search. Headers past the limit are still refused, without decoding.
constexpr std::int64_t kMaxFuzzPixels = 1 << 22;

// The size the header announces, or nothing when reading the header refuses the file.
std::optional<QSize> Announced(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        return ReadBitmapHeader(buffer);
    } catch (const EInvalidGraphic&) {
        return std::nullopt;
    }
}

// The file the container loads, in a folder of its own for the whole run.
const std::string& FilePath()
{
    static const std::string path = RunFilePath("input.BMP");
    return path;
}

void WriteInput(const QByteArray& bytes)
{
    QFile file(QFile::decodeName(FilePath().c_str()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// The bitmap loaded, or nothing when the load was refused.
std::optional<TBitmap> FromBytes(const QByteArray& bytes)
{
    TBitmap bitmap;
    try {
        bitmap.LoadFromBytes(bytes);
    } catch (const EInvalidGraphic&) {
        return std::nullopt;
    }
    return bitmap;
}

// The size the container holds after loading the file, or nothing when it was refused.
std::optional<QSize> ThroughPicture()
{
    TPicture picture;
    try {
        picture.LoadFromFile(FilePath());
    } catch (const EInvalidGraphic&) {
        if (picture.Graphic())
            std::abort();
        return std::nullopt;
    }
    return QSize(picture.Width(), picture.Height());
}

// The colours of the pixels, as drawing sees them.
QImage Colours(const TBitmap& bitmap)
{
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

// Only the fuzzer calls this; the replay of kept inputs keeps Qt's messages.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Qt's reader warns about every odd colour index, which would only slow the search.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QSize> announced = Announced(bytes);
    if (announced && std::int64_t{announced->width()} * announced->height() > kMaxFuzzPixels)
        return 0;
    const std::optional<TBitmap> bitmap = FromBytes(bytes);
    WriteInput(bytes);
    const std::optional<QSize> held = ThroughPicture();
    if (bitmap.has_value() != held.has_value() || (bitmap && !announced))
        std::abort();
    if (!bitmap)
        return 0;
    // What the thumbnail board reads from the header is what a load gives.
    const QSize loaded(bitmap->Width(), bitmap->Height());
    if (bitmap->Empty() || loaded.isEmpty() || *held != loaded || *announced != loaded)
        std::abort();

    TBitmap saved = *bitmap;
    const std::optional<TBitmap> reloaded = FromBytes(saved.SaveToBytes());
    if (!reloaded || reloaded->Width() != bitmap->Width() || reloaded->Height() != bitmap->Height()
        || reloaded->PixelFormat() != bitmap->PixelFormat())
        std::abort();
    if (reloaded->Palette() != bitmap->Palette() || Colours(*reloaded) != Colours(*bitmap))
        std::abort();
    return 0;
}
