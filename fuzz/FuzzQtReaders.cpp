// Fuzz target: arbitrary bytes through each of Qt's readers as Lumora calls them (PNG,
// GIF, TIFF, SVG, a moving WebP's frames) and through libwebp's. A reader that refuses the bytes throws EInvalidGraphic and nothing
// else; one that takes them gives a picture of the size its header announced, or one
// reduced that still covers what was asked (a drawing: rendered to cover it), and a
// moving picture's frames are all of the announced size.

#include "imaging/QtCodec.h"
#include "imaging/WebpCodec.h"
#include "toolkit/Graphic.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// Larger pictures are read the same way, up to the decoding limit; they would only slow
// the search.
constexpr std::int64_t kMaxFuzzPixels = 1 << 22;

const TPictureCodec* const kCodecs[] = {&PngCodec(), &GifCodec(), &WebpCodec(), &TiffCodec(), &SvgCodec()};

template <typename Read>
auto Refused(QByteArray bytes, Read read) -> std::optional<decltype(read(std::declval<QIODevice&>()))>
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        return read(buffer);
    } catch (const EInvalidGraphic&) {
        return std::nullopt;
    }
}

void Check(const TPictureCodec& codec, const QByteArray& bytes)
{
    const std::optional<QSize> announced = Refused(bytes, [&](QIODevice& file) { return codec.ReadSize(file); });
    if (!announced || std::int64_t{announced->width()} * announced->height() > kMaxFuzzPixels)
        return;
    const bool drawing = &codec == &SvgCodec();
    const QSize asked = (*announced / 3).expandedTo({1, 1});
    QSize natural;
    const std::optional<QImage> image = Refused(bytes, [&](QIODevice& file) {
        return codec.Decode(file, [&](QSize) { return asked; }, natural);
    });
    if (!image)
        return;
    if (image->isNull() || natural != *announced)
        std::abort();
    // What was asked for is covered; a raster picture is never enlarged.
    if (image->width() < asked.width() || image->height() < asked.height())
        std::abort();
    if (!drawing && (image->width() > natural.width() || image->height() > natural.height()))
        std::abort();
    const auto frames = Refused(bytes, [&](QIODevice& file) { return codec.DecodeFrames(file); });
    if (frames)
        for (const TPictureFrame& frame : *frames)
            if (frame.image.isNull() || frame.image.size() != natural)
                std::abort();
}

// A drawing's text needs fonts, which only an application object gives.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "lumora_fuzz_qt";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication application(argc, argv);
    }
}

}  // namespace

// Only the fuzzer calls this; the replay of kept inputs keeps Qt's messages.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The plugins' libraries warn about every oddity, which would only slow the search.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const TPictureCodec* codec : kCodecs)
        Check(*codec, bytes);
    return 0;
}
