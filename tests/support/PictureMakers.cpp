#include "support/PictureMakers.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg refuses progressive bit positions above this for 8-bit samples.
constexpr int kMaxSuccessiveBits = 10;

int Components(TJpegColor color)
{
    switch (color) {
    case TJpegColor::Grey: return 1;
    case TJpegColor::Rgb: return 3;
    case TJpegColor::Cmyk:
    case TJpegColor::Ycck: return 4;
    }
    return 3;
}

// One row of input samples in the order libjpeg is told to expect.
void FillRow(std::vector<JSAMPLE>& row, int y, int width, int height, const TJpegOptions& options)
{
    const int n = Components(options.color);
    for (int x = 0; x < width; ++x) {
        const QRgb rgb = options.checkered ? ((x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                                           : options.flat.value_or(TestPatternPixel(x, y, width, height));
        const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
        JSAMPLE* px = &row[static_cast<std::size_t>(x * n)];
        if (n == 1) {
            px[0] = static_cast<JSAMPLE>((r * 77 + g * 150 + b * 29 + 128) >> 8);
        } else if (n == 3) {
            px[0] = static_cast<JSAMPLE>(r);
            px[1] = static_cast<JSAMPLE>(g);
            px[2] = static_cast<JSAMPLE>(b);
        } else {
            const int k = 255 - std::max({r, g, b});
            const int light = 255 - k;
            const int ink[4] = {light ? (light - r) * 255 / light : 0, light ? (light - g) * 255 / light : 0,
                                light ? (light - b) * 255 / light : 0, k};
            const bool inverted = options.color == TJpegColor::Ycck || options.adobeInverted;
            for (int c = 0; c < 4; ++c)
                px[c] = static_cast<JSAMPLE>(inverted ? 255 - ink[c] : ink[c]);
        }
    }
}

// A progression with exactly `count` scans: one DC scan, then each AC coefficient of each
// component alone, some sent bit by bit through successive approximation.
std::vector<jpeg_scan_info> ScanScript(int components, int count)
{
    std::vector<jpeg_scan_info> script;
    jpeg_scan_info dc{};
    dc.comps_in_scan = components;
    for (int c = 0; c < components; ++c)
        dc.component_index[c] = c;
    script.push_back(dc);
    int extra = count - 1 - 63 * components;
    if (extra < 0 || extra > 63 * components * kMaxSuccessiveBits)
        throw std::invalid_argument("impossible number of scans");
    for (int c = 0; c < components; ++c) {
        for (int k = 1; k <= 63; ++k) {
            const int bits = std::min(extra, kMaxSuccessiveBits);
            extra -= bits;
            jpeg_scan_info scan{};
            scan.comps_in_scan = 1;
            scan.component_index[0] = c;
            scan.Ss = k;
            scan.Se = k;
            scan.Al = bits;
            script.push_back(scan);
            for (int ah = bits; ah > 0; --ah) {
                scan.Ah = ah;
                scan.Al = ah - 1;
                script.push_back(scan);
            }
        }
    }
    return script;
}

// Rewrites the size in the frame header, walking the marker segments from the start.
// Rewrites the frame header's sample precision and size.
void AnnounceFrame(QByteArray& bytes, int precision, int width, int height)
{
    qsizetype i = 2;
    while (i + 9 < bytes.size() && static_cast<uchar>(bytes[i]) == 0xFF) {
        const auto marker = static_cast<uchar>(bytes[i + 1]);
        const int length = static_cast<uchar>(bytes[i + 2]) << 8 | static_cast<uchar>(bytes[i + 3]);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            bytes[i + 4] = static_cast<char>(precision);
            bytes[i + 5] = static_cast<char>(height >> 8);
            bytes[i + 6] = static_cast<char>(height);
            bytes[i + 7] = static_cast<char>(width >> 8);
            bytes[i + 8] = static_cast<char>(width);
            return;
        }
        i += 2 + length;
    }
    throw std::logic_error("no frame header");
}

}  // namespace

QRgb TestPatternPixel(int x, int y, int width, int height)
{
    const int r = width > 1 ? x * 255 / (width - 1) : 128;
    const int g = height > 1 ? y * 255 / (height - 1) : 128;
    return qRgb(r, g, 255 - (r + g) / 2);
}

QByteArray MakeTestJpeg(int width, int height, const TJpegOptions& options)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = Components(options.color);
    cinfo.in_color_space = options.color == TJpegColor::Grey  ? JCS_GRAYSCALE
                           : options.color == TJpegColor::Rgb ? JCS_RGB
                                                              : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    if (options.color == TJpegColor::Ycck)
        jpeg_set_colorspace(&cinfo, JCS_YCCK);
    if (options.color == TJpegColor::Cmyk && !options.adobeInverted)
        cinfo.write_Adobe_marker = FALSE;
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    cinfo.restart_in_rows = options.restartRows;
    cinfo.arith_code = options.arithmetic ? TRUE : FALSE;
    std::vector<jpeg_scan_info> script;
    if (options.scans > 0) {
        script = ScanScript(cinfo.num_components, options.scans);
        cinfo.scan_info = script.data();
        cinfo.num_scans = static_cast<int>(script.size());
    } else if (options.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    if (!options.exif.isEmpty())
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(options.exif.constData()),
                          static_cast<unsigned>(options.exif.size()));
    if (!options.iccProfile.isEmpty())
        jpeg_write_icc_profile(&cinfo, reinterpret_cast<const JOCTET*>(options.iccProfile.constData()),
                               static_cast<unsigned>(options.iccProfile.size()));
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width * cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        FillRow(row, static_cast<int>(cinfo.next_scanline), width, height, options);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (options.announcedWidth > 0 || options.announcedHeight > 0 || options.precision != 8)
        AnnounceFrame(bytes, options.precision, options.announcedWidth > 0 ? options.announcedWidth : width,
                      options.announcedHeight > 0 ? options.announcedHeight : height);
    if (options.truncateTo > 0)
        bytes.truncate(static_cast<qsizetype>(options.truncateTo));
    return bytes;
}

namespace {

// Appends value as count little-endian bytes.
void PutLittleEndian(QByteArray& bytes, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// "Exif\0\0", a little-endian TIFF header and a first directory holding only the
// orientation; its link to the next directory is left for the caller.
QByteArray ExifStart(int orientation)
{
    QByteArray exif("Exif\0\0II*\0", 10);
    PutLittleEndian(exif, 8, 4);       // the first directory follows the header
    PutLittleEndian(exif, 1, 2);       // one entry:
    PutLittleEndian(exif, 0x0112, 2);  // orientation,
    PutLittleEndian(exif, 3, 2);       // a SHORT,
    PutLittleEndian(exif, 1, 4);       // one of them,
    PutLittleEndian(exif, static_cast<std::uint32_t>(orientation), 4);
    return exif;
}

}  // namespace

QByteArray ExifWithOrientation(int orientation)
{
    QByteArray exif = ExifStart(orientation);
    PutLittleEndian(exif, 0, 4);  // no further directory
    return exif;
}

QByteArray ExifWithPreview(int orientation, const QByteArray& previewJpeg)
{
    constexpr std::uint32_t kTiffStart = 6;  // offsets count from the TIFF header
    QByteArray exif = ExifStart(orientation);
    const auto offset = [&exif] { return static_cast<std::uint32_t>(exif.size()) - kTiffStart; };
    PutLittleEndian(exif, offset() + 4, 4);  // the second directory follows
    const std::uint32_t previewAt = offset() + 2 + 2 * 12 + 4;
    PutLittleEndian(exif, 2, 2);       // two entries:
    PutLittleEndian(exif, 0x0201, 2);  // where the preview starts,
    PutLittleEndian(exif, 4, 2);
    PutLittleEndian(exif, 1, 4);
    PutLittleEndian(exif, previewAt, 4);
    PutLittleEndian(exif, 0x0202, 2);  // and its length, LONGs
    PutLittleEndian(exif, 4, 2);
    PutLittleEndian(exif, 1, 4);
    PutLittleEndian(exif, static_cast<std::uint32_t>(previewJpeg.size()), 4);
    PutLittleEndian(exif, 0, 4);       // no further directory
    return exif + previewJpeg;
}

void WriteTestJpeg(const std::string& path, int width, int height, const TJpegOptions& options)
{
    WriteFileBytes(path, MakeTestJpeg(width, height, options));
}

QImage TestPatternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, TestPatternPixel(x, y, width, height));
    return image;
}

QByteArray MakeTestBmp(int width, int height, QSize announced)
{
    const QImage image = TestPatternImage(width, height);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw std::runtime_error("cannot make a BMP");
    if (announced.isValid()) {
        // The info header's width and height, little-endian, after the 14-byte file header.
        qToLittleEndian<qint32>(announced.width(), bytes.data() + 18);
        qToLittleEndian<qint32>(announced.height(), bytes.data() + 22);
    }
    return bytes;
}

void WriteTestBmp(const std::string& path, int width, int height)
{
    WriteFileBytes(path, MakeTestBmp(width, height));
}

void WriteFileBytes(const std::string& path, const QByteArray& bytes)
{
    // By the path's bytes, which a QString may not hold.
    std::ofstream file(path, std::ios::binary);
    if (!file.write(bytes.constData(), bytes.size()) || !file.flush())
        throw std::runtime_error("cannot write " + path);
}

void WriteSparseFile(const std::string& path, std::int64_t size)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        throw std::runtime_error("cannot make " + path);
}

void WritePaddedPicture(const std::string& path, QByteArray picture, std::size_t size)
{
    if (static_cast<std::size_t>(picture.size()) > size)
        throw std::runtime_error("picture larger than " + std::to_string(size) + " bytes");
    picture.append(QByteArray(static_cast<qsizetype>(size) - picture.size(), '\0'));
    WriteFileBytes(path, picture);
}
