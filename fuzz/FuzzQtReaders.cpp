// Fuzz target: arbitrary bytes through each of Qt's readers as Lumora calls them (PNG,
// GIF, TIFF, SVG, a moving WebP's frames) and through libwebp's. A reader that refuses
// the bytes throws EInvalidGraphic and nothing else; one that takes them gives a picture of the size its header announced, or one
// reduced that still covers what was asked (a drawing: rendered to cover it), and a
// moving picture's frames are all of the announced size.

#include "imaging/QtCodec.h"
#include "imaging/WebpCodec.h"
#include "CodecInput.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

const TPictureCodec* const kCodecs[] = {&PngCodec(), &GifCodec(), &WebpCodec(), &TiffCodec(), &SvgCodec()};

// A moving picture's frames, or nothing when they are refused.
std::optional<std::vector<TPictureFrame>> Frames(const TPictureCodec& codec, QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        return codec.DecodeFrames(buffer);
    } catch (const EInvalidGraphic&) {
        return std::nullopt;
    }
}

void Check(const TPictureCodec& codec, QByteArray& bytes)
{
    const std::optional<QSize> announced = fuzz::Announced(codec, bytes);
    if (!announced || std::int64_t{announced->width()} * announced->height() > fuzz::kMaxFuzzPixels)
        return;
    const bool drawing = &codec == &SvgCodec();
    const QSize asked = (*announced / 3).expandedTo({1, 1});
    QSize natural;
    const std::optional<QImage> image = fuzz::Decoded(codec, bytes, [&](QSize) { return asked; }, natural);
    if (!image)
        return;
    if (image->isNull() || natural != *announced)
        std::abort();
    // What was asked for is covered; a raster picture is never enlarged.
    if (image->width() < asked.width() || image->height() < asked.height())
        std::abort();
    if (!drawing && (image->width() > natural.width() || image->height() > natural.height()))
        std::abort();
    const auto frames = Frames(codec, bytes);
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
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const TPictureCodec* codec : kCodecs)
        Check(*codec, bytes);
    return 0;
}
