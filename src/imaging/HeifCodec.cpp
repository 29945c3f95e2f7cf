#include "imaging/HeifCodec.h"

#include "imaging/HeifPlanes.h"

#include <libheif/heif.h>

#include <QColorSpace>
#include <QIODevice>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct TContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct THandleRelease {
    void operator()(const heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct TImageRelease {
    void operator()(const heif_image* image) const { heif_image_release(image); }
};
struct TNclxFree {
    void operator()(heif_color_profile_nclx* nclx) const { heif_nclx_color_profile_free(nclx); }
};
struct TOptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};
using TContext = std::unique_ptr<heif_context, TContextFree>;
using THandle = std::unique_ptr<heif_image_handle, THandleRelease>;
using THeifImage = std::unique_ptr<heif_image, TImageRelease>;

// libheif reads the boxes it needs straight from the device, not the whole file. The
// callbacks are C: nothing may leave them as an exception.
int64_t DevicePosition(void* device) noexcept
{
    return static_cast<QIODevice*>(device)->pos();
}

int DeviceRead(void* data, size_t size, void* device) noexcept
{
    const auto wanted = static_cast<qint64>(size);
    try {
        return static_cast<QIODevice*>(device)->read(static_cast<char*>(data), wanted) == wanted ? 0 : 1;
    } catch (...) {
        return 1;
    }
}

int DeviceSeek(int64_t position, void* device) noexcept
{
    return static_cast<QIODevice*>(device)->seek(position) ? 0 : 1;
}

heif_reader_grow_status DeviceHolds(int64_t size, void* device) noexcept
{
    return size <= static_cast<QIODevice*>(device)->size() ? heif_reader_grow_status_size_reached
                                                           : heif_reader_grow_status_size_beyond_eof;
}

const heif_reader kDeviceReader = {1, DevicePosition, DeviceRead, DeviceSeek, DeviceHolds};

QSize SizeOf(const heif_image_handle* handle)
{
    return {heif_image_handle_get_width(handle), heif_image_handle_get_height(handle)};
}

// The sRGB colours of a picture whose nclx box names other primaries, as far as
// QColorSpace can say them; a transfer it has no form for (PQ, HLG) is left alone.
QColorSpace NclxSpace(const heif_color_profile_nclx& nclx)
{
    if (nclx.color_primaries == heif_color_primaries_ITU_R_BT_709_5
        || nclx.color_primaries == heif_color_primaries_unspecified)
        return {};
    QColorSpace::TransferFunction transfer = QColorSpace::TransferFunction::SRgb;
    float gamma = 0;
    switch (nclx.transfer_characteristics) {
    case heif_transfer_characteristic_linear:
        transfer = QColorSpace::TransferFunction::Linear;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        transfer = QColorSpace::TransferFunction::Gamma;
        gamma = 2.2F;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        transfer = QColorSpace::TransferFunction::Gamma;
        gamma = 2.8F;
        break;
    // Video's curves are near enough sRGB's on a screen.
    case heif_transfer_characteristic_ITU_R_BT_709_5:
    case heif_transfer_characteristic_unspecified:
    case heif_transfer_characteristic_ITU_R_BT_601_6:
    case heif_transfer_characteristic_IEC_61966_2_1:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit:
        break;
    default:
        return {};
    }
    return QColorSpace({nclx.color_primary_white_x, nclx.color_primary_white_y},
                       {nclx.color_primary_red_x, nclx.color_primary_red_y},
                       {nclx.color_primary_green_x, nclx.color_primary_green_y},
                       {nclx.color_primary_blue_x, nclx.color_primary_blue_y}, transfer, gamma);
}

// The colour space the picture's ICC profile or nclx box names; invalid when it names
// none or one Qt cannot use.
QColorSpace SpaceOf(const heif_image_handle* handle)
{
    switch (heif_image_handle_get_color_profile_type(handle)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        QByteArray profile(static_cast<qsizetype>(heif_image_handle_get_raw_color_profile_size(handle)), '\0');
        if (heif_image_handle_get_raw_color_profile(handle, profile.data()).code != heif_error_Ok)
            return {};
        return QColorSpace::fromIccProfile(profile);
    }
    case heif_color_profile_type_nclx: {
        // libheif hands out the profile on some errors too (primaries it does not know).
        heif_color_profile_nclx* raw = nullptr;
        const heif_error error = heif_image_handle_get_nclx_color_profile(handle, &raw);
        const std::unique_ptr<heif_color_profile_nclx, TNclxFree> nclx(raw);
        if (error.code != heif_error_Ok || !nclx)
            return {};
        return NclxSpace(*nclx);
    }
    default:
        return {};
    }
}

// Colours in sRGB. Qt converts colours in 32-bit pixels alone and would turn the picture
// back to its own format after; taking RGB32 first saves that pass.
void ToSRgb(QImage& image, const QColorSpace& space)
{
    if (!space.isValid() || space == QColorSpace(QColorSpace::SRgb))
        return;
    image.convertTo(QImage::Format_RGB32);
    image.setColorSpace(space);
    image.convertToColorSpace(QColorSpace::SRgb);
}

// Transparent pixels shown over white, in place: the decoded buffer is the picture
// handed out, so no second full-size copy is made.
void FlattenOverWhite(uchar* rows, int width, int height, int stride, bool premultiplied)
{
    for (int y = 0; y < height; ++y) {
        uchar* pixel = rows + std::ptrdiff_t{y} * stride;
        for (int x = 0; x < width; ++x, pixel += 4) {
            const int alpha = pixel[3];
            for (int c = 0; c < 3; ++c)
                pixel[c] = static_cast<uchar>(premultiplied ? std::min(pixel[c] + 255 - alpha, 255)
                                                            : (pixel[c] * alpha + 255 * (255 - alpha) + 127) / 255);
            pixel[3] = 255;
        }
    }
}

class THeifCodec : public TPictureCodec {
public:
    explicit THeifCodec(const char* name) : name_(name) {}

    std::string Name() const override { return name_; }

    QSize ReadSize(QIODevice& file) const override
    {
        const TContext context = Read(file);
        return Primary(context.get()).second;
    }

    QImage Decode(QIODevice& file, const TCoverRule& cover, QSize& natural) const override
    {
        const TContext context = Read(file);
        const auto [primary, size] = Primary(context.get());
        natural = size;
        const TCodedImages coded = ReadCodedImages(context.get());
        heif_error error{};
        // A thumbnail that cannot be read leaves the picture itself to show.
        if (const THandle thumbnail = CoveringThumbnail(primary.get(), size, cover(size)))
            if (QImage image = Decoded(thumbnail.get(), SizeOf(thumbnail.get()), coded, error); !image.isNull())
                return image;
        QImage image = Decoded(primary.get(), size, coded, error);
        if (image.isNull()) {
            Check(error);
            RefuseContent(*this, "its pixels do not match its size");
        }
        return image;
    }

private:
    void Check(heif_error error) const
    {
        if (error.code != heif_error_Ok)
            RefuseContent(*this, error.message ? error.message : "");
    }

    TContext Read(QIODevice& file) const
    {
        TContext context(heif_context_alloc());
        if (!context)
            RefuseContent(*this, "out of memory");
        // The device outlives the context: both live until the caller's read ends.
        Check(heif_context_read_from_reader(context.get(), &kDeviceReader, &file, nullptr));
        return context;
    }

    // The primary image and its size as shown, checked against the decoding limit.
    std::pair<THandle, QSize> Primary(heif_context* context) const
    {
        heif_image_handle* raw = nullptr;
        const heif_error error = heif_context_get_primary_image_handle(context, &raw);
        THandle handle(raw);
        Check(error);
        const QSize size = SizeOf(handle.get());
        CheckDecodedSize(*this, size);
        return {std::move(handle), size};
    }

    // The smallest embedded thumbnail that covers target on both sides and is smaller
    // than the picture itself; none when there is no such thumbnail.
    static THandle CoveringThumbnail(const heif_image_handle* primary, QSize natural, QSize target)
    {
        const int count = heif_image_handle_get_number_of_thumbnails(primary);
        if (count <= 0)
            return {};
        std::vector<heif_item_id> ids(static_cast<std::size_t>(count));
        ids.resize(static_cast<std::size_t>(heif_image_handle_get_list_of_thumbnail_IDs(primary, ids.data(), count)));
        THandle best;
        QSize bestSize;
        for (const heif_item_id id : ids) {
            heif_image_handle* raw = nullptr;
            const heif_error error = heif_image_handle_get_thumbnail(primary, id, &raw);
            THandle thumbnail(raw);
            if (error.code != heif_error_Ok || !thumbnail)
                continue;
            const QSize size = SizeOf(thumbnail.get());
            const bool covers = size.width() >= target.width() && size.height() >= target.height();
            const bool smaller = size.width() <= natural.width() && size.height() <= natural.height() && size != natural;
            if (covers && smaller && (!best || std::int64_t{size.width()} * size.height()
                                                   < std::int64_t{bestSize.width()} * bestSize.height())) {
                best = std::move(thumbnail);
                bestSize = size;
            }
        }
        return best;
    }

    // The image decoded to 8-bit RGB, upright and in sRGB; a null image, with libheif's
    // error when it gave one, when it is refused or its pixels are not of size.
    static QImage Decoded(const heif_image_handle* handle, QSize size, const TCodedImages& coded, heif_error& error)
    {
        const std::unique_ptr<heif_decoding_options, TOptionsFree> options(heif_decoding_options_alloc());
        if (!options)
            return {};
        options->convert_hdr_to_8bit = 1;
        QImage image;
        if (DecodesAsPlanes(handle, coded))
            image = FromPlanes(handle, size, coded, *options, error);
        if (image.isNull() && error.code == heif_error_Ok)
            image = Interleaved(handle, size, coded, *options, error);
        if (!image.isNull())
            ToSRgb(image, SpaceOf(handle));
        return image;
    }

    static THeifImage DecodedAs(const heif_image_handle* handle, QSize size, heif_colorspace space,
                                heif_chroma chroma, const TCodedImages& coded, const heif_decoding_options& options,
                                heif_error& error)
    {
        heif_image* raw = nullptr;
        {
            std::optional<TOneCpu> oneCpu;
            if (DecodesOnOneCpu(coded, size))
                oneCpu.emplace();
            error = heif_decode_image(handle, &raw, space, chroma, &options);
        }
        THeifImage decoded(raw);
        if (error.code != heif_error_Ok)
            decoded.reset();
        return decoded;
    }

    // Null without an error where libheif's own conversion must do it instead.
    static QImage FromPlanes(const heif_image_handle* handle, QSize size, const TCodedImages& coded,
                             const heif_decoding_options& options, heif_error& error)
    {
        const THeifImage planes =
            DecodedAs(handle, size, heif_colorspace_YCbCr, heif_chroma_420, coded, options, error);
        if (!planes)
            return {};
        QImage image = RgbFrom420(planes.get());
        return image.size() == size ? image : QImage();
    }

    // The QImage owns libheif's buffer: the pixels are not copied.
    static QImage Interleaved(const heif_image_handle* handle, QSize size, const TCodedImages& coded,
                              const heif_decoding_options& options, heif_error& error)
    {
        const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
        THeifImage decoded = DecodedAs(handle, size, heif_colorspace_RGB,
                                       alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, coded,
                                       options, error);
        if (!decoded)
            return {};
        int stride = 0;
        uchar* rows = heif_image_get_plane(decoded.get(), heif_channel_interleaved, &stride);
        if (!rows || heif_image_get_width(decoded.get(), heif_channel_interleaved) != size.width()
            || heif_image_get_height(decoded.get(), heif_channel_interleaved) != size.height()
            || heif_image_get_bits_per_pixel_range(decoded.get(), heif_channel_interleaved) != 8)
            return {};
        if (alpha)
            FlattenOverWhite(rows, size.width(), size.height(), stride,
                             heif_image_handle_is_premultiplied_alpha(handle) != 0);
        QImage image(rows, size.width(), size.height(), stride,
                     alpha ? QImage::Format_RGBX8888 : QImage::Format_RGB888,
                     [](void* pixels) { heif_image_release(static_cast<heif_image*>(pixels)); }, decoded.get());
        if (!image.isNull())
            decoded.release();
        return image;
    }

    std::string name_;
};

}  // namespace

const TPictureCodec& HeifCodec()
{
    static const THeifCodec codec("HEIF");
    return codec;
}

const TPictureCodec& AvifCodec()
{
    static const THeifCodec codec("AVIF");
    return codec;
}
