// Fuzz target: arbitrary bytes through the JPEG picture's load, decode and encode.
// The first byte picks the decoding settings; the rest is the file.

#include "imaging/CameraPreview.h"
#include "imaging/JPEGImage.h"
#include "toolkit/Bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Larger pictures are refused or handled the same way; they would only slow the search.
constexpr std::int64_t kMaxFuzzPixels = 1 << 20;

void ApplySettings(TJPEGImage& jpeg, std::uint8_t flags)
{
    jpeg.SetScaleDown(static_cast<TJPEGScale>(flags & 3));
    jpeg.SetGrayMode((flags & 4) != 0);
    jpeg.SetOutputDepth((flags & 8) != 0 ? TJPEGPixelFormat::jf8Bit : TJPEGPixelFormat::jf24Bit);
    jpeg.SetSpeedMode((flags & 16) != 0 ? TJPEGPerformance::jpBestSpeed : TJPEGPerformance::jpBestQuality);
    jpeg.SetShowProgressively((flags & 32) != 0);
    jpeg.SetBlockSmoothing((flags & 64) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t flags = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    TJPEGImage jpeg;
    try {
        jpeg.LoadFromBytes(bytes);
    } catch (const EJPEG&) {
        return 0;
    }
    if (std::int64_t{jpeg.Width()} * jpeg.Height() > kMaxFuzzPixels)
        return 0;
    ApplySettings(jpeg, flags);

    // The board's path for camera pictures: the whole EXIF block and the profile, the
    // preview decoded, coloured and turned as the picture is; it serves any size shown.
    try {
        const TJPEGMetadata metadata = ReadJPEGMetadata(bytes);
        const TPreviewPlace place = CameraPreviewPlace(metadata);
        // The preview's place lies inside the EXIF block it was found in.
        if (place.length > 0
            && (place.offset < metadata.exifOffset || place.offset + place.length > metadata.exifOffset + metadata.exif.size()))
            std::abort();
        const TJPEGDecodeParams params{1, (flags & 64) == 0, (flags & 4) != 0, (flags & 8) != 0, (flags & 16) != 0, false};
        const TPreviewOf picture{{metadata.header.width, metadata.header.height}, metadata.header.orientation,
                                 metadata.iccProfile};
        if (const auto preview = DecodeCameraPreview(bytes.mid(place.offset, place.length), picture, {1, 1}, params))
            if (preview->Width() < 1 || preview->Height() < 1 || std::max(preview->Width(), preview->Height()) > 1024)
                std::abort();
    } catch (const EJPEG&) {
        // An empty picture has no header to read again.
    }
    const int reportedWidth = jpeg.Width();
    const int reportedHeight = jpeg.Height();

    TBitmap bitmap;
    try {
        bitmap.Assign(jpeg);
    } catch (const EJPEG&) {
        return 0;
    }
    // The size known before decoding is the size decoded.
    if (bitmap.Width() != reportedWidth || bitmap.Height() != reportedHeight)
        std::abort();

    // Whatever decoded encodes, and Lumora's own file loads back at the same size.
    TJPEGImage encoder;
    encoder.SetWriteProgressive((flags & 128) != 0);
    encoder.Assign(bitmap);
    TJPEGImage reloaded;
    reloaded.LoadFromBytes(encoder.SaveToBytes());
    if (reloaded.Width() != bitmap.Width() || reloaded.Height() != bitmap.Height())
        std::abort();
    return 0;
}
