#pragma once
// The lighter road through libheif for the common HEIF and AVIF picture, coded as 8-bit
// 4:2:0. libheif's own turn to RGB holds the picture three times over at its peak (1.5 x
// its 32-bit bitmap on 100 MP); taken as the planes the file codes and turned to RGB by
// libyuv here, it peaks at the decoder's own 1.15 x.

#include <QImage>

#include <memory>

struct heif_context;
struct heif_image;
struct heif_image_handle;

// What the file's coded images (primary, grid tiles, thumbnails, alpha) are, as libheif's
// own reading of their configuration boxes says.
struct TCodedImages {
    bool eightBit420 = false;  // every one 8-bit 4:2:0: asking for 4:2:0 loses nothing
    bool av1 = false;          // AV1 (AVIF), decoded by dav1d
};

TCodedImages ReadCodedImages(heif_context* context);

// Whether the handle's image may be asked for as 4:2:0 planes and turned by RgbFrom420:
// coded so (coded says for the file), opaque, and naming libheif's own BT.601 at full
// range or no matrix at all. For any other matrix or range libheif turns the decoder's
// planes to its own first, and is left to do the whole turn to RGB.
bool DecodesAsPlanes(const heif_image_handle* handle, const TCodedImages& coded);

// planes, decoded as YCbCr 4:2:0 in libheif's own BT.601 at full range, in 24-bit colour; a
// null image when they are not 8-bit 4:2:0.
QImage RgbFrom420(const heif_image* planes);

// Whether the image is decoded on one CPU (see TOneCpu): an AV1 picture above 24 megapixels
// (a large camera's). libheif 1.15 gives dav1d no thread count, so dav1d counts the CPUs the
// decoding thread may use; given two or more it also keeps frame-threading buffers of two
// bytes a pixel that a still picture never uses (1.66 x its 32-bit bitmap at the peak, 1.14 x
// on one CPU). Below that size the second CPU's speed is worth the memory.
bool DecodesOnOneCpu(const TCodedImages& coded, QSize size);

// While one lives, the calling thread runs on one CPU.
class TOneCpu {
public:
    TOneCpu();
    ~TOneCpu();
    TOneCpu(const TOneCpu&) = delete;
    TOneCpu& operator=(const TOneCpu&) = delete;

private:
    struct TSaved;
    std::unique_ptr<TSaved> saved_;
};
