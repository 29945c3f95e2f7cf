#include "thumbs/ThumbPixels.h"

#include "imaging/CameraPreview.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "thumbs/SharedThumbnails.h"
#include "toolkit/Errors.h"
#include "toolkit/FileStamp.h"
#include "toolkit/Graphic.h"

#include <sys/stat.h>

#include <optional>

namespace {

bool Covers(QSize image, QSize size)
{
    return image.width() >= size.width() && image.height() >= size.height();
}

// The shared cache's entry for the file as it is now; nothing when the cache is not used.
std::optional<TSharedThumbnail> SharedEntry(const TThumbRequest& request)
{
    const bool colour = !request.jpeg.GrayMode && request.jpeg.OutputDepth == TJPEGPixelFormat::jf24Bit;
    struct stat file {};
    if (!colour || request.sharedRoot.empty() || ::stat(request.path.c_str(), &file) != 0)
        return std::nullopt;
    TSharedThumbnail entry(request.sharedRoot, request.path, request.size, file.st_mtim.tv_sec,
                           static_cast<std::uintmax_t>(file.st_size));
    return entry.Usable() ? std::optional(entry) : std::nullopt;
}

}  // namespace

TDisplayCopy MakeThumbCopy(const TThumbRequest& request)
{
    TDisplayCopy copy;
    copy.stamp = FileStamp(request.path);
    copy.bounds = QRect(QPoint(), request.size);
    const std::optional<TSharedThumbnail> shared = SharedEntry(request);
    if (shared) {
        if (const QImage cached = shared->Read(); !cached.isNull()) {
            copy.image = ReducedImage(cached, request.size);
            return copy;
        }
        if (std::optional<std::string> error = shared->ReadFailure()) {
            copy.error = std::move(*error);
            return copy;
        }
    }
    try {
        std::optional<TBitmap> source;
        if (IsJPEGFileName(request.path)) {
            const TJPEGMetadata metadata = ReadJPEGFileMetadata(request.path);
            copy.natural = {metadata.header.width, metadata.header.height};
            source = DecodeCameraPreview(metadata, request.size, JPEGDecodeParams(request.jpeg));
        }
        if (!source) {
            const auto cover = [&](QSize natural) {
                return shared ? request.size.expandedTo(shared->ThumbnailSize(natural)) : request.size;
            };
            source = DecodeReduced(request.path, request.jpeg, cover, copy.natural);
        }
        const QImage& pixels = source->Image();
        copy.image = ReducedImage(pixels, request.size);
        if (shared) {
            const QSize thumbnail = shared->ThumbnailSize(copy.natural);
            if (Covers(pixels.size(), thumbnail))
                shared->Write(ReducedImage(pixels, thumbnail), copy.natural);
        }
    } catch (const EInvalidGraphic&) {
        copy = TDisplayCopy{copy.stamp, {}, {}, {}, ExceptionText(std::current_exception())};
        // Noted only for what the file holds: one that could not be opened may open later.
        if (shared)
            shared->WriteFailure(copy.error);
    } catch (...) {
        copy = TDisplayCopy{copy.stamp, {}, {}, {}, ExceptionText(std::current_exception())};
    }
    return copy;
}
