#include "thumbs/ThumbPixels.h"

#include "imaging/CameraPreview.h"
#include "thumbs/SharedThumbnails.h"
#include "thumbs/SharedWrites.h"
#include "toolkit/Errors.h"
#include "toolkit/FileStamp.h"
#include "toolkit/Graphic.h"
#include "toolkit/PathFile.h"

#include <optional>

namespace {

bool Covers(QSize image, QSize size)
{
    return image.width() >= size.width() && image.height() >= size.height();
}

// The shared cache's entry for the file as the header read saw it; nothing when the cache
// is not used.
std::optional<TSharedThumbnail> SharedEntry(const TThumbRequest& request)
{
    const bool colour = !request.jpeg.GrayMode && request.jpeg.OutputDepth == TJPEGPixelFormat::jf24Bit;
    const std::optional<TFileStamp>& stamp = request.header.stamp;
    if (!colour || request.sharedRoot.empty() || !stamp)
        return std::nullopt;
    TSharedThumbnail entry(request.sharedRoot, request.path, request.size, stamp->ModifiedSeconds(), stamp->size);
    return entry.Usable() ? std::optional(entry) : std::nullopt;
}

// The camera's preview where the header read found it; nothing when there is none, it does
// not serve, or the file no longer holds it there.
std::optional<TBitmap> CameraPreview(const TThumbRequest& request)
{
    const TThumbHeader& header = request.header;
    if (header.preview.length == 0)
        return std::nullopt;
    TPathFile file;
    std::string reason;
    if (!file.OpenToRead(request.path, reason, QIODevice::Unbuffered) || !file.seek(header.preview.offset))
        return std::nullopt;
    const QByteArray preview = file.read(header.preview.length);
    if (preview.size() != header.preview.length)
        return std::nullopt;
    return DecodeCameraPreview(preview, {header.size, header.orientation, header.profile}, request.size,
                               JPEGDecodeParams(request.jpeg));
}

}  // namespace

TDisplayCopy MakeThumbCopy(const TThumbRequest& request)
{
    TDisplayCopy copy;
    copy.stamp = request.header.stamp;
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
        std::optional<QImage> source;
        if (std::optional<TBitmap> preview = CameraPreview(request)) {
            source = preview->Image();
            copy.natural = request.header.size;
        } else {
            const auto cover = [&](QSize natural) {
                return shared ? request.size.expandedTo(shared->ThumbnailSize(natural)) : request.size;
            };
            source = DecodeReduced(request.path, request.jpeg, cover, copy.natural);
        }
        QImage pixels = std::move(*source);
        if (shared) {
            const QSize thumbnail = shared->ThumbnailSize(copy.natural);
            if (Covers(pixels.size(), thumbnail)) {
                QImage kept = ReducedImage(pixels, thumbnail);
                WriteSharedBehind(*shared, kept, copy.natural);
                // A picture decoded whole is scaled down once: the cell comes from the
                // cache's thumbnail when that still covers it.
                if (Covers(thumbnail, request.size))
                    pixels = std::move(kept);
            }
        }
        copy.image = ReducedImage(pixels, request.size);
    } catch (const EInvalidGraphic&) {
        copy = TDisplayCopy{copy.stamp, {}, {}, {}, ExceptionText(std::current_exception()), {}};
        // Noted only for what the file holds: one that could not be opened may open later.
        if (shared)
            shared->WriteFailure(copy.error);
    } catch (...) {
        copy = TDisplayCopy{copy.stamp, {}, {}, {}, ExceptionText(std::current_exception()), {}};
    }
    return copy;
}
