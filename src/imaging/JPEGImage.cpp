#include "imaging/JPEGImage.h"

#include "imaging/JPEGCodec.h"
#include "imaging/PictureTypes.h"
#include "toolkit/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <mutex>

TJPEGSettings& JPEGDefaults()
{
    static TJPEGSettings defaults;
    return defaults;
}

namespace {
const char* const kJPEGExtensions[] = {"jpeg", "jpg"};
}

void RegisterJPEGImage()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // An 8-bit screen shows 24-bit pictures badly: decode them to a palette instead.
        if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->depth() <= 8)
            JPEGDefaults().OutputDepth = TJPEGPixelFormat::jf8Bit;
        for (const char* extension : kJPEGExtensions)
            TPicture::RegisterFileFormat(extension, "JPEG Image File",
                                         [] { return std::make_unique<TJPEGImage>(); });
    });
}

bool IsJPEGFileName(const std::string& fileName)
{
    const QString suffix = QFileInfo(QFile::decodeName(fileName.c_str())).suffix();
    for (const char* extension : kJPEGExtensions)
        if (suffix.compare(QLatin1String(extension), Qt::CaseInsensitive) == 0)
            return true;
    return AllPictureTypes() && IsAddedJPEGName(fileName);
}

TJPEGImage::TJPEGImage() : TJPEGImage(JPEGDefaults()) {}

TJPEGImage::TJPEGImage(const TJPEGSettings& settings) : data_(std::make_shared<TJPEGData>()), settings_(settings) {}

TJPEGImage::~TJPEGImage() = default;

int TJPEGImage::Width() const
{
    if (bitmap_)
        return bitmap_->Width();
    if (settings_.ScaleDown == TJPEGScale::jsFullSize)
        return data_->width;
    UpdateScaledSize();
    return scaledWidth_;
}

int TJPEGImage::Height() const
{
    if (bitmap_)
        return bitmap_->Height();
    if (settings_.ScaleDown == TJPEGScale::jsFullSize)
        return data_->height;
    UpdateScaledSize();
    return scaledHeight_;
}

void TJPEGImage::SetWidth(int)
{
    throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(int)
{
    throw EInvalidGraphicOperation("Cannot change the size of a JPEG image");
}

bool TJPEGImage::Empty() const
{
    return data_->bytes.isEmpty() && (!bitmap_ || bitmap_->Empty());
}

void TJPEGImage::Draw(QPainter& painter, const QRect& rect) const
{
    if (bitmap_)
        bitmap_->Draw(painter, rect);
}

void TJPEGImage::DrawPart(QPainter& painter, const QRectF& target, const QRectF& source, TDrawFilter filter) const
{
    if (bitmap_)
        bitmap_->DrawPart(painter, target, source, filter);
}

void TJPEGImage::Assign(const TGraphic& source)
{
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&source)) {
        if (jpeg == this)
            return;
        data_ = jpeg->data_;
        bitmap_ = jpeg->bitmap_ ? std::make_unique<TBitmap>(*jpeg->bitmap_) : nullptr;
        needScaledSize_ = true;
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        data_ = std::make_shared<TJPEGData>();
        bitmap_ = std::make_unique<TBitmap>(*bitmap);
        needScaledSize_ = true;
    } else {
        TGraphic::Assign(source);
    }
}

void TJPEGImage::AssignTo(TGraphic& dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(&dest)) {
        Decode();
        *bitmap = *bitmap_;
    } else {
        TGraphic::AssignTo(dest);
    }
}

void TJPEGImage::LoadFromStream(QIODevice& stream)
{
    data_ = std::make_shared<TJPEGData>();
    bitmap_.reset();
    needScaledSize_ = true;
    data_->bytes = ReadToEnd(stream);
    if (data_->bytes.isEmpty())
        return;
    const TJPEGHeader header = ReadJPEGHeader(data_->bytes);
    data_->width = header.width;
    data_->height = header.height;
    data_->orientation = header.orientation;
    data_->grayscale = header.grayscale;
    settings_.WriteProgressive = header.progressive;
}

void TJPEGImage::SaveToStream(QIODevice& stream)
{
    if (data_->orientation != 1)
        Decode();
    if (data_->bytes.isEmpty() || data_->orientation != 1)
        Encode();
    WriteAll(stream, data_->bytes);
}

void TJPEGImage::Decode() const
{
    if (bitmap_)
        return;
    bitmap_ = std::make_unique<TBitmap>(DecodeJPEG(data_->bytes, JPEGDecodeParams(settings_)));
}

void TJPEGImage::Encode()
{
    auto data = std::make_shared<TJPEGData>();
    if (bitmap_ && bitmap_->Width() > 0 && bitmap_->Height() > 0) {
        TJPEGEncodeParams params;
        params.quality = settings_.EncodeQuality;
        params.grayMode = settings_.GrayMode;
        params.progressive = settings_.WriteProgressive;
        data->bytes = EncodeJPEG(*bitmap_, params);
        data->width = bitmap_->Width();
        data->height = bitmap_->Height();
        data->grayscale = settings_.GrayMode;
    }
    data_ = data;
}

void TJPEGImage::SetEncodeQuality(int quality)
{
    settings_.EncodeQuality = static_cast<std::uint8_t>(std::clamp(quality, 1, 100));
}

void TJPEGImage::SetGrayMode(bool gray)
{
    settings_.GrayMode = gray;
    DecodingChanged();
}

void TJPEGImage::SetSpeedMode(TJPEGPerformance mode)
{
    settings_.SpeedMode = mode;
    DecodingChanged();
}

void TJPEGImage::SetOutputDepth(TJPEGPixelFormat depth)
{
    settings_.OutputDepth = depth;
    DecodingChanged();
}

void TJPEGImage::SetScaleDown(TJPEGScale scale)
{
    settings_.ScaleDown = scale;
    DecodingChanged();
}

void TJPEGImage::SetBlockSmoothing(bool smoothing)
{
    settings_.BlockSmoothing = smoothing;
    DecodingChanged();
}

// A bitmap decoded from bytes no longer matches the settings; one assigned without
// bytes is the picture itself and stays.
void TJPEGImage::DecodingChanged()
{
    needScaledSize_ = true;
    if (!data_->bytes.isEmpty())
        bitmap_.reset();
}

void TJPEGImage::UpdateScaledSize() const
{
    if (!needScaledSize_)
        return;
    scaledWidth_ = 0;
    scaledHeight_ = 0;
    if (!data_->bytes.isEmpty()) {
        const TJPEGHeader header = ReadJPEGHeader(data_->bytes, 1 << static_cast<int>(settings_.ScaleDown));
        scaledWidth_ = header.scaledWidth;
        scaledHeight_ = header.scaledHeight;
    }
    needScaledSize_ = false;
}
