#include "imaging/WebpCodec.h"

#include "imaging/ColorProfile.h"
#include "imaging/QtCodec.h"

#include <QIODevice>

#include <webp/decode.h>
#include <webp/demux.h>

#include <memory>

namespace {

// The colour profile the file's ICCP chunk holds; empty when it has none.
QByteArray IccProfile(const QByteArray& bytes)
{
    const WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
    const std::unique_ptr<WebPDemuxer, decltype(&WebPDemuxDelete)> demux(WebPDemux(&data), WebPDemuxDelete);
    if (!demux || !(WebPDemuxGetI(demux.get(), WEBP_FF_FORMAT_FLAGS) & ICCP_FLAG))
        return {};
    WebPChunkIterator chunk;
    if (!WebPDemuxGetChunk(demux.get(), "ICCP", 1, &chunk))
        return {};
    QByteArray profile(reinterpret_cast<const char*>(chunk.chunk.bytes), static_cast<qsizetype>(chunk.chunk.size));
    WebPDemuxReleaseChunkIterator(&chunk);
    return profile;
}

class TWebpCodec : public TPictureCodec {
public:
    std::string Name() const override { return "WebP"; }

    QSize ReadSize(QIODevice& file) const override
    {
        // The first chunks say the size, and whether the picture moves.
        const QByteArray head = file.read(kHeadBytes);
        return Features(head).size;
    }

    QImage Decode(QIODevice& file, const TCoverRule& cover, QSize& natural) const override
    {
        const QByteArray bytes = file.readAll();
        const TFeatures features = Features(bytes);
        natural = features.size;
        WebPDecoderConfig config;
        if (!WebPInitDecoderConfig(&config))
            RefuseContent(*this, "libwebp could not start");
        QSize size = natural;
        const QSize wanted = cover(natural);
        if (wanted.width() < natural.width() && wanted.height() < natural.height()) {
            size = natural.scaled(wanted.expandedTo({1, 1}), Qt::KeepAspectRatioByExpanding).boundedTo(natural);
            config.options.use_scaling = 1;
            config.options.scaled_width = size.width();
            config.options.scaled_height = size.height();
        }
        // Transparent pictures are shown over white, which takes their alpha first.
        QImage image(size, features.alpha ? QImage::Format_RGBA8888 : QImage::Format_BGR888);
        if (image.isNull())
            RefuseContent(*this, "no memory for its pixels");
        config.output.colorspace = features.alpha ? MODE_RGBA : MODE_BGR;
        config.output.is_external_memory = 1;
        config.output.u.RGBA.rgba = image.bits();
        config.output.u.RGBA.stride = static_cast<int>(image.bytesPerLine());
        config.output.u.RGBA.size = static_cast<std::size_t>(image.sizeInBytes());
        const VP8StatusCode status = WebPDecode(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                                static_cast<std::size_t>(bytes.size()), &config);
        WebPFreeDecBuffer(&config.output);
        if (status != VP8_STATUS_OK)
            RefuseContent(*this, "libwebp status " + std::to_string(status));
        if (features.alpha)
            ShowOverWhite(image);
        ConvertToSRgb(image, IccProfile(bytes));
        return image;
    }

    std::vector<TPictureFrame> DecodeFrames(QIODevice& file) const override
    {
        const qint64 start = file.pos();
        const bool moving = Features(file.read(kHeadBytes)).moving;
        if (!moving || !file.seek(start))
            return {};
        return QtWebpCodec().DecodeFrames(file);
    }

private:
    // Enough of a file for libwebp to find the size and the features.
    static constexpr qint64 kHeadBytes = 4096;

    struct TFeatures {
        QSize size;
        bool alpha = false;
        bool moving = false;
    };

    TFeatures Features(const QByteArray& bytes) const
    {
        WebPBitstreamFeatures features;
        if (WebPGetFeatures(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()),
                            &features)
            != VP8_STATUS_OK)
            RefuseContent(*this);
        const QSize size(features.width, features.height);
        CheckDecodedSize(*this, size);
        return {size, features.has_alpha != 0, features.has_animation != 0};
    }
};

}  // namespace

const TPictureCodec& WebpCodec()
{
    static const TWebpCodec codec;
    return codec;
}
