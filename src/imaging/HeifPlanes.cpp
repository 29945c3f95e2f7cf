#include "imaging/HeifPlanes.h"

#include <libheif/heif.h>
#include <libyuv/convert_argb.h>

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace {

struct TFileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct TNclxFree {
    void operator()(heif_color_profile_nclx* nclx) const { heif_nclx_color_profile_free(nclx); }
};

// libheif's listing of the file's boxes, the one place 1.15 says how each image is coded.
QByteArray BoxListing(heif_context* context)
{
    const std::unique_ptr<std::FILE, TFileClose> file(std::tmpfile());
    if (!file)
        return {};
    heif_context_debug_dump_boxes_to_file(context, fileno(file.get()));
    QByteArray listing;
    std::rewind(file.get());
    char block[8192];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file.get())) > 0;)
        listing.append(block, static_cast<qsizetype>(got));
    return listing;
}

// The value a "name: value" line of the box at from gives, up to the next box.
QByteArray Field(const QByteArray& listing, qsizetype from, const char* name)
{
    const qsizetype next = listing.indexOf("Box: ", from + 1);
    const QByteArray key = QByteArray("| ") + name + ": ";
    const qsizetype at = listing.indexOf(key, from);
    if (at < 0 || (next >= 0 && at > next))
        return {};
    const qsizetype start = at + key.size();
    return listing.mid(start, listing.indexOf('\n', start) - start).trimmed();
}

// libheif 1.15 hands out YCbCr planes by its own default, BT.601 at full range, turning the
// decoder's planes to it first where the file names another matrix or range: for those it
// does the whole turn to RGB itself, from the planes as decoded.
bool NamesLibheifsDefault(const heif_image_handle* handle)
{
    // libheif hands out the profile on some errors too (primaries it does not know); the
    // matrix and range in it still count.
    heif_color_profile_nclx* raw = nullptr;
    heif_image_handle_get_nclx_color_profile(handle, &raw);
    const std::unique_ptr<heif_color_profile_nclx, TNclxFree> nclx(raw);
    if (!nclx)
        return true;
    switch (nclx->matrix_coefficients) {
    case heif_matrix_coefficients_unspecified:
    case heif_matrix_coefficients_ITU_R_BT_470_6_System_B_G:
    case heif_matrix_coefficients_ITU_R_BT_601_6:
        return nclx->full_range_flag != 0;
    default:
        return false;
    }
}

}  // namespace

TCodedImages ReadCodedImages(heif_context* context)
{
    const QByteArray listing = BoxListing(context);
    TCodedImages coded;
    bool any = false, all420 = true;
    for (qsizetype at = listing.indexOf("Box: hvcC"); at >= 0; at = listing.indexOf("Box: hvcC", at + 1)) {
        any = true;
        all420 = all420 && Field(listing, at, "chroma_format") == "1" && Field(listing, at, "bit_depth_luma") == "8"
                 && Field(listing, at, "bit_depth_chroma") == "8";
    }
    for (qsizetype at = listing.indexOf("Box: av1C"); at >= 0; at = listing.indexOf("Box: av1C", at + 1)) {
        any = coded.av1 = true;
        all420 = all420 && Field(listing, at, "high_bitdepth") == "0"
                 && Field(listing, at, "chroma_subsampling_x") == "1"
                 && Field(listing, at, "chroma_subsampling_y") == "1";
    }
    coded.eightBit420 = any && all420;
    return coded;
}

bool DecodesAsPlanes(const heif_image_handle* handle, const TCodedImages& coded)
{
    return coded.eightBit420 && heif_image_handle_has_alpha_channel(handle) == 0 && NamesLibheifsDefault(handle);
}

QImage RgbFrom420(const heif_image* planes)
{
    if (heif_image_get_colorspace(planes) != heif_colorspace_YCbCr
        || heif_image_get_chroma_format(planes) != heif_chroma_420)
        return {};
    int strideY = 0, strideCb = 0, strideCr = 0;
    const uint8_t* y = heif_image_get_plane_readonly(planes, heif_channel_Y, &strideY);
    const uint8_t* cb = heif_image_get_plane_readonly(planes, heif_channel_Cb, &strideCb);
    const uint8_t* cr = heif_image_get_plane_readonly(planes, heif_channel_Cr, &strideCr);
    const int width = heif_image_get_width(planes, heif_channel_Y);
    const int height = heif_image_get_height(planes, heif_channel_Y);
    const int chromaWidth = (width + 1) / 2, chromaHeight = (height + 1) / 2;
    if (!y || !cb || !cr || width <= 0 || height <= 0 || heif_image_get_width(planes, heif_channel_Cb) != chromaWidth
        || heif_image_get_height(planes, heif_channel_Cb) != chromaHeight
        || heif_image_get_width(planes, heif_channel_Cr) != chromaWidth
        || heif_image_get_height(planes, heif_channel_Cr) != chromaHeight
        || heif_image_get_bits_per_pixel_range(planes, heif_channel_Y) != 8)
        return {};
    // libyuv's RGB24 is blue first in memory.
    QImage image(width, height, QImage::Format_BGR888);
    if (image.isNull()
        || libyuv::I420ToRGB24Matrix(y, strideY, cb, strideCb, cr, strideCr, image.bits(),
                                     static_cast<int>(image.bytesPerLine()), &libyuv::kYuvJPEGConstants, width,
                                     height)
               != 0)
        return {};
    return image;
}

bool DecodesOnOneCpu(const TCodedImages& coded, QSize size)
{
    return coded.av1 && std::int64_t{size.width()} * size.height() > std::int64_t{6000} * 4000;
}

#ifdef __linux__

struct TOneCpu::TSaved {
    cpu_set_t mask;
};

TOneCpu::TOneCpu()
{
    auto saved = std::make_unique<TSaved>();
    if (pthread_getaffinity_np(pthread_self(), sizeof saved->mask, &saved->mask) != 0)
        return;
    const int count = CPU_COUNT(&saved->mask);
    if (count <= 1)
        return;
    // Turn about over the CPUs allowed, so that two decodes at once do not share one.
    static std::atomic<unsigned> next{0};
    int wanted = static_cast<int>(next++ % static_cast<unsigned>(count));
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &saved->mask) && wanted-- == 0) {
            CPU_SET(cpu, &one);
            break;
        }
    if (pthread_setaffinity_np(pthread_self(), sizeof one, &one) == 0)
        saved_ = std::move(saved);
}

TOneCpu::~TOneCpu()
{
    if (saved_)
        pthread_setaffinity_np(pthread_self(), sizeof saved_->mask, &saved_->mask);
}

#else

struct TOneCpu::TSaved {};
TOneCpu::TOneCpu() = default;
TOneCpu::~TOneCpu() = default;

#endif
