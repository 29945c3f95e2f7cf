// HEIF and AVIF pictures coded as 4:2:0 are turned to RGB by Lumora rather than by libheif;
// what the viewer shows must still be libheif's own colours, whatever matrix and range the
// file names and however it is coded.

#include "imaging/HeifCodec.h"
#include "support/PictureMakers.h"
#include "support/TypeMakers.h"

#include <gtest/gtest.h>

#include <libheif/heif.h>

#include <QBuffer>

#include <cstdlib>
#include <memory>

namespace {

// libheif's own decode of the primary image to 24-bit RGB.
QImage LibheifRgb(const QByteArray& bytes)
{
    const std::unique_ptr<heif_context, void (*)(heif_context*)> context(heif_context_alloc(), heif_context_free);
    heif_context_read_from_memory_without_copy(context.get(), bytes.data(), static_cast<size_t>(bytes.size()), nullptr);
    heif_image_handle* handle = nullptr;
    heif_context_get_primary_image_handle(context.get(), &handle);
    heif_image* decoded = nullptr;
    heif_decode_image(handle, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
    heif_image_handle_release(handle);
    if (!decoded)
        return {};
    int stride = 0;
    const uint8_t* rows = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const QImage image = QImage(rows, heif_image_get_width(decoded, heif_channel_interleaved),
                                heif_image_get_height(decoded, heif_channel_interleaved), stride,
                                QImage::Format_RGB888)
                             .convertToFormat(QImage::Format_RGB32);
    heif_image_release(decoded);
    return image;
}

int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

}  // namespace

// heif-enc writes every AVIF with BT.601 at full range (it ignores its options for others);
// the colour box is changed after to name another matrix and range.
QByteArray Naming(QByteArray avif, int matrix, bool fullRange)
{
    const qsizetype box = avif.indexOf("colrnclx");
    if (box < 0)
        return {};
    avif[box + 12] = static_cast<char>(matrix >> 8);
    avif[box + 13] = static_cast<char>(matrix);
    avif[box + 14] = static_cast<char>(fullRange ? 0x80 : 0);
    return avif;
}

TEST(HeifPlanes, ColoursAreLibheifsForEveryMatrixAndRange)
{
    const QImage pattern = TestPatternImage(63, 47);
    const QByteArray avif = MakeTypePicture("avif", pattern);
    const struct {
        const char* what;
        QByteArray bytes;
    } kFiles[] = {
        {"HEIC without a colour box", MakeTypePicture("heic", pattern)},
        {"AVIF as made", avif},
        {"unspecified", Naming(avif, 2, true)},
        {"470 B/G", Naming(avif, 5, true)},
        // A range libheif turns to its own, and pictures coded without subsampling.
        {"601 limited", Naming(avif, 6, false)},
        {"HEIC 4:4:4", MakeTypePicture("heic", pattern, {.heifArguments = {"-p", "chroma=444"}})},
        {"AVIF 4:4:4", MakeTypePicture("avif", pattern, {.heifArguments = {"-p", "chroma=444"}})},
    };
    for (auto [what, bytes] : kFiles) {
        SCOPED_TRACE(what);
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        QSize natural;
        const QImage shown = HeifCodec().Decode(file, [](QSize size) { return size; }, natural);
        const QImage own = LibheifRgb(bytes);
        ASSERT_EQ(shown.size(), own.size());
        // The two round differently.
        EXPECT_LE(LargestDifference(shown.convertToFormat(QImage::Format_RGB32), own), 3);
    }
}
