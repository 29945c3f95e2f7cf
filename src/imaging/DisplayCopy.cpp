#include "imaging/DisplayCopy.h"

#include "imaging/JPEGImage.h"
#include "imaging/PictureTypes.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Errors.h"
#include "toolkit/Graphic.h"
#include "toolkit/PathFile.h"
#include "toolkit/Picture.h"

int CoveringScaleDenominator(QSize natural, QSize target)
{
    for (const int d : {8, 4, 2}) {
        // libjpeg rounds a scaled side up.
        const int w = (natural.width() + d - 1) / d;
        const int h = (natural.height() + d - 1) / d;
        if (w >= target.width() && h >= target.height())
            return d;
    }
    return 1;
}

namespace {

TJPEGScale ScaleOf(int denominator)
{
    switch (denominator) {
    case 8:
        return TJPEGScale::jsEighth;
    case 4:
        return TJPEGScale::jsQuarter;
    case 2:
        return TJPEGScale::jsHalf;
    default:
        return TJPEGScale::jsFullSize;
    }
}

}  // namespace

namespace {

// The file's reader, on the file: what PictureCodecFor gives, and a device at its start.
struct TCodecFile {
    const TPictureCodec* codec;
    TPathFile file;
};

bool OpenCodecFile(const std::string& path, TCodecFile& opened)
{
    opened.codec = PictureCodecFor(path);
    if (!opened.codec)
        return false;
    // The added types' libraries read in small pieces, LibRaw's decoders a byte at a time.
    OpenToRead(opened.file, path, true);
    return true;
}

// Whether a clean copy of the file is decoded by its type's own reader: with all picture
// types on, every file but a JPEG; without, none, since the viewer reads them as JPEG.
bool ReadByItsType(const std::string& path)
{
    return AllPictureTypes() && !IsJPEGFileName(path);
}

}  // namespace

QImage DecodeReduced(const std::string& path, const TJPEGSettings& jpeg, const TCoverRule& cover, QSize& natural)
{
    TBitmap bitmap;
    if (TCodecFile opened; OpenCodecFile(path, opened)) {
        return opened.codec->Decode(opened.file, cover, natural);
    } else if (IsJPEGFileName(path)) {
        // The container's JPEG class would copy the shared defaults; a worker uses its own copy.
        TJPEGSettings settings = jpeg;
        settings.ScaleDown = TJPEGScale::jsFullSize;
        TJPEGImage picture(settings);
        picture.LoadFromFile(path);
        natural = {picture.Width(), picture.Height()};
        picture.SetScaleDown(ScaleOf(CoveringScaleDenominator(natural, cover(natural))));
        bitmap.Assign(picture);
    } else {
        TPicture picture;
        picture.LoadFromFile(path);
        natural = {picture.Width(), picture.Height()};
        bitmap.Assign(*picture.Graphic());
    }
    return bitmap.Image();
}

QSize DevicePixels(QSize logical, qreal ratio)
{
    return (QSizeF(logical) * ratio).toSize();
}

QImage ReducedImage(const QImage& picture, QSize size)
{
    return picture.convertToFormat(QImage::Format_RGB32).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// The decoded pixels of the file, and the picture's own size.
QImage Decode(const TDisplayRequest& request, TDisplayCopy& copy)
{
    if (!request.clean) {
        const auto cover = [&](QSize natural) {
            return DevicePixels(request.fit(request.box, natural).size(), request.pixelRatio);
        };
        QImage image = DecodeReduced(request.path, request.jpeg, cover, copy.natural);
        copy.bounds = request.fit(request.box, copy.natural);
        return image;
    }
    if (ReadByItsType(request.path)) {
        QImage image = DecodeReduced(request.path, request.jpeg, WholePicture, copy.natural);
        copy.bounds = QRect(QPoint(), copy.natural);
        // The viewer holds its picture as a bitmap: Qt's readers' 32-bit rows as they are,
        // anything else at 24 bits, converted here, in place, and not on the
        // user-interface thread when it is shown.
        if (image.format() != QImage::Format_RGB32)
            image.convertTo(QImage::Format_BGR888);
        return image;
    }
    // Every file is read as JPEG, whatever its name says.
    TJPEGImage jpeg(request.jpeg);
    jpeg.LoadFromFile(request.path);
    copy.natural = {jpeg.Width(), jpeg.Height()};
    copy.bounds = QRect(QPoint(), copy.natural);
    TBitmap bitmap;
    bitmap.Assign(jpeg);
    return bitmap.Image();
}

// A moving picture's frames, the copy's size, with its natural size and bounds; empty for
// a still picture, which Decode makes.
std::vector<TPictureFrame> Frames(const TDisplayRequest& request, TDisplayCopy& copy)
{
    TCodecFile opened;
    if (!OpenCodecFile(request.path, opened))
        return {};
    std::vector<TPictureFrame> frames = opened.codec->DecodeFrames(opened.file);
    if (frames.empty())
        return {};
    copy.natural = frames.front().image.size();
    copy.bounds = request.clean ? QRect(QPoint(), copy.natural) : request.fit(request.box, copy.natural);
    if (!request.clean)
        for (TPictureFrame& frame : frames) {
            frame.image = ReducedImage(frame.image, DevicePixels(copy.bounds.size(), request.pixelRatio));
            frame.image.setDevicePixelRatio(request.pixelRatio);
        }
    return frames;
}

}  // namespace

TDisplayCopy MakeDisplayCopy(const TDisplayRequest& request)
{
    TDisplayCopy copy;
    copy.stamp = FileStamp(request.path);
    try {
        if (copy.frames = Frames(request, copy); !copy.frames.empty()) {
            copy.image = copy.frames.front().image;
            return copy;
        }
        QImage image = Decode(request, copy);
        if (request.clean)
            copy.image = std::move(image);
        else if (!copy.bounds.isEmpty()) {
            copy.image = ReducedImage(image, DevicePixels(copy.bounds.size(), request.pixelRatio));
            copy.image.setDevicePixelRatio(request.pixelRatio);
        }
    } catch (...) {
        const std::optional<TFileStamp> stamp = copy.stamp;
        copy = TDisplayCopy{stamp, {}, {}, {}, ExceptionText(std::current_exception()), {}};
    }
    return copy;
}

QSize ReadPictureSize(const std::string& path)
{
    if (TCodecFile opened; OpenCodecFile(path, opened))
        return opened.codec->ReadSize(opened.file);
    if (IsJPEGFileName(path)) {
        const TJPEGHeader jpeg = ReadJPEGFileHeader(path);
        return {jpeg.width, jpeg.height};
    }
    TPicture::CheckFileFormat(path);
    TPathFile file;
    OpenToRead(file, path);
    return ReadBitmapHeader(file);
}

namespace {

// Rows of a QImage start on four-byte boundaries.
std::int64_t ImageBytes(QSize size, int bytesPerPixel)
{
    if (size.isEmpty())
        return 0;
    return (std::int64_t{size.width()} * bytesPerPixel + 3) / 4 * 4 * size.height();
}

}  // namespace

std::optional<std::int64_t> DisplayCopyBytes(const TDisplayRequest& request)
{
    try {
        if (!request.clean) {
            const QRect bounds = request.fit(request.box, ReadPictureSize(request.path));
            return ImageBytes(DevicePixels(bounds.size(), request.pixelRatio), 4);
        }
        if (ReadByItsType(request.path))
            return ImageBytes(ReadPictureSize(request.path), 4);
        // Decoded as Decode does: read as JPEG, at the settings' scale, 8 bits for grey or a palette.
        const TJPEGHeader jpeg = ReadJPEGFileHeader(request.path);
        const TJPEGDecodeParams params = JPEGDecodeParams(request.jpeg);
        const int d = params.scaleDenominator;
        const bool eightBit = jpeg.grayscale || params.grayMode || params.eightBit;
        return ImageBytes({(jpeg.width + d - 1) / d, (jpeg.height + d - 1) / d}, eightBit ? 1 : 3);
    } catch (...) {
        return std::nullopt;
    }
}
