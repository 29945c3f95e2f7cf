#include "imaging/JxlCodec.h"

#include "imaging/ColorProfile.h"
#include "imaging/JxlRunner.h"
#include "toolkit/WorkerPool.h"

#include <QIODevice>

#include <jxl/decode.h>
#include <jxl/decode_cxx.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The header is in the first few bytes; pixels are read in larger pieces.
constexpr qint64 kHeaderPiece = 4096;
constexpr qint64 kPixelPiece = 256 * 1024;

// Gives the decoder the file piece by piece, handing back what it has not taken yet.
class TFeed {
public:
    TFeed(JxlDecoder* decoder, QIODevice& file, qint64 piece) : decoder_(decoder), file_(file), piece_(piece) {}

    // The decoder's next event, reading on while it asks for more; a file that ends
    // before the decoder is done is an error.
    JxlDecoderStatus Next()
    {
        for (;;) {
            const JxlDecoderStatus status = JxlDecoderProcessInput(decoder_);
            if (status != JXL_DEC_NEED_MORE_INPUT)
                return status;
            if (closed_)
                return JXL_DEC_NEED_MORE_INPUT;
            Read();
        }
    }

private:
    void Read()
    {
        const std::size_t left = JxlDecoderReleaseInput(decoder_);
        bytes_.erase(bytes_.begin(), bytes_.end() - static_cast<std::ptrdiff_t>(left));
        // At least as much again as waits, so a large section is not read over and over.
        const qint64 want = std::max<qint64>(piece_, static_cast<qint64>(left));
        const std::size_t kept = bytes_.size();
        bytes_.resize(kept + static_cast<std::size_t>(want));
        const qint64 got = std::max<qint64>(file_.read(reinterpret_cast<char*>(bytes_.data() + kept), want), 0);
        bytes_.resize(kept + static_cast<std::size_t>(got));
        if (!bytes_.empty())
            JxlDecoderSetInput(decoder_, bytes_.data(), bytes_.size());
        if (got == 0) {
            JxlDecoderCloseInput(decoder_);
            closed_ = true;
        }
    }

    JxlDecoder* decoder_;
    QIODevice& file_;
    qint64 piece_;
    std::vector<std::uint8_t> bytes_;
    bool closed_ = false;
};

// libjxl turns the picture upright itself; its header gives the sides as stored.
QSize Shown(std::uint32_t width, std::uint32_t height, JxlOrientation orientation)
{
    const QSize stored(static_cast<int>(std::min<std::uint32_t>(width, INT32_MAX)),
                       static_cast<int>(std::min<std::uint32_t>(height, INT32_MAX)));
    return orientation >= JXL_ORIENT_TRANSPOSE ? stored.transposed() : stored;
}

bool IsSRgb(const JxlColorEncoding& encoding)
{
    return (encoding.color_space == JXL_COLOR_SPACE_GRAY
            || (encoding.color_space == JXL_COLOR_SPACE_RGB && encoding.primaries == JXL_PRIMARIES_SRGB))
           && encoding.white_point == JXL_WHITE_POINT_D65 && encoding.transfer_function == JXL_TRANSFER_FUNCTION_SRGB;
}

// The colour space of the pixels libjxl gives; empty when they are sRGB already.
QByteArray DecodedProfile(const JxlDecoder* decoder)
{
    JxlColorEncoding encoding;
    if (JxlDecoderGetColorAsEncodedProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &encoding)
            == JXL_DEC_SUCCESS
        && IsSRgb(encoding))
        return {};
    std::size_t size = 0;
    if (JxlDecoderGetICCProfileSize(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &size) != JXL_DEC_SUCCESS)
        return {};
    QByteArray profile(static_cast<qsizetype>(size), '\0');
    if (JxlDecoderGetColorAsICCProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                       reinterpret_cast<std::uint8_t*>(profile.data()), size)
        != JXL_DEC_SUCCESS)
        return {};
    return profile;
}

class TJxlCodec : public TPictureCodec {
public:
    std::string Name() const override { return "JPEG XL"; }

    QSize ReadSize(QIODevice& file) const override
    {
        const JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
        const JxlBasicInfo info = ReadInfo(decoder.get(), file);
        return Shown(info.xsize, info.ysize, info.orientation);
    }

    QImage Decode(QIODevice& file, const TCoverRule& cover, QSize& natural) const override
    {
        const JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
        JxlDecoder* d = decoder.get();
        const qint64 start = file.pos();
        const JxlBasicInfo info = ReadInfo(d, file);
        natural = Shown(info.xsize, info.ysize, info.orientation);
        const QSize wanted = cover(natural);
        const QSize preview = info.have_preview ? Shown(info.preview.xsize, info.preview.ysize, info.orientation)
                                                : QSize();
        const bool fromPreview = !preview.isEmpty() && preview.width() >= wanted.width()
                                 && preview.height() >= wanted.height();

        // Read again from the start, for the events this decode needs.
        JxlDecoderReset(d);
        if (!file.seek(start))
            RefuseContent(*this, "it cannot be read again");
        if (JxlDecoderSubscribeEvents(d, JXL_DEC_COLOR_ENCODING | (fromPreview ? JXL_DEC_PREVIEW_IMAGE : JXL_DEC_FULL_IMAGE))
                != JXL_DEC_SUCCESS
            || JxlDecoderSetParallelRunner(d, RunOnPool, &WorkerPool()) != JXL_DEC_SUCCESS)
            RefuseContent(*this, "libjxl cannot be set up");
        // Three bytes a pixel when there is no alpha: what the viewer keeps, so no fourth
        // byte is held for a picture of a hundred million pixels.
        const bool alpha = info.alpha_bits != 0;
        const QImage::Format format = !alpha                     ? QImage::Format_RGB888
                                      : info.alpha_premultiplied ? QImage::Format_RGBA8888_Premultiplied
                                                                 : QImage::Format_RGBA8888;
        QImage image(fromPreview ? preview : natural, format);
        if (image.isNull())
            RefuseContent(*this, "there is not enough memory for it");
        // Rows as the image lays them out, each starting on four bytes.
        const JxlPixelFormat pixels{alpha ? 4u : 3u, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 4};
        QByteArray profile;
        TFeed feed(d, file, kPixelPiece);
        for (;;) {
            const JxlDecoderStatus status = feed.Next();
            if (status == JXL_DEC_COLOR_ENCODING) {
                profile = DecodedProfile(d);
            } else if (status == JXL_DEC_NEED_PREVIEW_OUT_BUFFER || status == JXL_DEC_NEED_IMAGE_OUT_BUFFER) {
                const bool isPreview = status == JXL_DEC_NEED_PREVIEW_OUT_BUFFER;
                std::size_t size = 0;
                const JxlDecoderStatus sized = isPreview ? JxlDecoderPreviewOutBufferSize(d, &pixels, &size)
                                                         : JxlDecoderImageOutBufferSize(d, &pixels, &size);
                // libjxl counts the last row without its padding.
                const qsizetype rows =
                    image.bytesPerLine() * (image.height() - 1) + qsizetype{image.width()} * pixels.num_channels;
                if (sized != JXL_DEC_SUCCESS || size != static_cast<std::size_t>(rows))
                    RefuseContent(*this, "its size is not what its header says");
                // Straight into the image: no second copy of the picture.
                const JxlDecoderStatus set = isPreview ? JxlDecoderSetPreviewOutBuffer(d, &pixels, image.bits(), size)
                                                       : JxlDecoderSetImageOutBuffer(d, &pixels, image.bits(), size);
                if (set != JXL_DEC_SUCCESS)
                    RefuseContent(*this, "libjxl refuses its output");
            } else if (status == JXL_DEC_PREVIEW_IMAGE || status == JXL_DEC_FULL_IMAGE) {
                break;
            } else {
                Refuse(status);
            }
        }
        if (alpha)
            ShowOverWhite(image);
        ConvertToSRgb(image, profile);
        return image;
    }

private:
    // The header, read through the decoder from the device's position.
    JxlBasicInfo ReadInfo(JxlDecoder* decoder, QIODevice& file) const
    {
        std::uint8_t signature[12];
        const qint64 peeked = file.peek(reinterpret_cast<char*>(signature), sizeof signature);
        const JxlSignature kind = JxlSignatureCheck(signature, static_cast<std::size_t>(std::max<qint64>(peeked, 0)));
        if (kind != JXL_SIG_CODESTREAM && kind != JXL_SIG_CONTAINER)
            RefuseContent(*this);
        if (JxlDecoderSubscribeEvents(decoder, JXL_DEC_BASIC_INFO) != JXL_DEC_SUCCESS)
            RefuseContent(*this, "libjxl cannot be set up");
        TFeed feed(decoder, file, kHeaderPiece);
        const JxlDecoderStatus status = feed.Next();
        JxlBasicInfo info;
        if (status != JXL_DEC_BASIC_INFO || JxlDecoderGetBasicInfo(decoder, &info) != JXL_DEC_SUCCESS)
            Refuse(status);
        CheckDecodedSize(*this, Shown(info.xsize, info.ysize, info.orientation));
        return info;
    }

    [[noreturn]] void Refuse(JxlDecoderStatus status) const
    {
        RefuseContent(*this, status == JXL_DEC_NEED_MORE_INPUT ? "it is cut short" : "libjxl cannot decode it");
    }
};

}  // namespace

const TPictureCodec& JxlCodec()
{
    static const TJxlCodec codec;
    return codec;
}
