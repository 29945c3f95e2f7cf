#include "imaging/JPEGCodec.h"

#include "imaging/CmykRows.h"
#include "imaging/ColorProfile.h"
#include "imaging/JPEGError.h"
#include "imaging/JPEGManagers.h"
#include "imaging/Orientation.h"
#include "toolkit/Graphic.h"
#include "toolkit/PathFile.h"
#include "toolkit/WorkerPool.h"

#include <QThreadPool>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
#include <new>

// The functions that run between a setjmp and libjpeg's longjmp hold no object with a
// destructor: the jump would skip it. C++ objects live in the callers around them.

namespace {

constexpr int kRowsPerRead = 16;
// A picture turned while it is decoded goes through a strip of this many rows: the taller
// the strip, the longer the run each upright row gets at a time.
constexpr int kTurnedRowsPerRead = 64;

constexpr int kExifMarker = JPEG_APP0 + 1;
constexpr int kIccMarker = JPEG_APP0 + 2;
// The orientation sits in the EXIF block's first directory, right after its header;
// the maker notes and thumbnail behind it, up to 64 KB more, are skipped unread, so a
// header read still ends in the file's first chunks.
constexpr unsigned kExifBytesKept = 2048;
constexpr unsigned kLongestMarker = 0xFFFF;

constexpr char kExifHeader[] = "Exif\0";  // and the literal's own zero
constexpr unsigned kExifHeaderBytes = sizeof kExifHeader;

// Where the source's next byte lies in its bytes or on its device.
using TSourceOffset = std::int64_t (*)(j_decompress_ptr cinfo);

// A metadata read's EXIF block, kept by a marker reader of its own: libjpeg's keeps the
// bytes but not where they lay, and a camera's preview inside them is read from the file
// later. Plain data in libjpeg's own memory, freed with the decompressor.
struct TExifCapture {
    TSourceOffset offset;
    JOCTET* data;  // the first APP1 body that starts "Exif\0\0"; null while there is none
    unsigned length;
    std::int64_t at;  // where data's first byte lies
};

// Which segments a header read keeps beside the start of the EXIF block.
struct TKept {
    bool profile;
    TExifCapture* exif;  // the whole block and its place; null: its start only
};

// The two strips of stored rows of a picture turned while it decodes: the decoder fills
// one while the other is placed upright on a worker, so the turn costs little more than
// the decode. Owned outside the decompressor's frames, so that after an error's longjmp
// the caller still waits for the placing before the strips and the bitmap go.
struct TTurnStrips {
    std::unique_ptr<unsigned char[]> bytes;
    JSAMPROW rows[2][kTurnedRowsPerRead];
    std::future<void> placing;  // the strip last handed to a worker
};

// How the decoder's rows reach the bitmap.
struct TOutputPlan {
    bool cmyk;          // rows come as CMYK and are converted here
    bool cmykInverted;  // Adobe's inverted CMYK
    TCmykTarget cmykTarget;
    JSAMPARRAY cmykRows;  // libjpeg-owned row buffer for CMYK rows
    int orientation;      // the EXIF orientation the rows are placed by
    TTurnStrips* strips;  // when the rows are turned
};

int RowsPerRead(const TOutputPlan& plan)
{
    return plan.orientation == 1 ? kRowsPerRead : kTurnedRowsPerRead;
}

// Refuses a header whose decoded bitmap would exceed kMaxDecodedBytes; libjpeg itself
// accepts up to 65500 x 65500.
void CheckDecodedSize(j_decompress_ptr cinfo)
{
    const std::int64_t bytesPerPixel = cinfo->jpeg_color_space == JCS_GRAYSCALE ? 1 : 3;
    const std::int64_t bytes = std::int64_t{cinfo->image_width} * cinfo->image_height * bytesPerPixel;
    if (bytes > kMaxDecodedBytes)
        ERREXIT(cinfo, JERR_IMAGE_TOO_BIG);
}

// Room in the source's buffer, filled when it is empty; these sources never suspend.
void FillWhenEmpty(j_decompress_ptr cinfo)
{
    if (cinfo->src->bytes_in_buffer == 0 && !(*cinfo->src->fill_input_buffer)(cinfo))
        ERREXIT(cinfo, JERR_CANT_SUSPEND);
}

unsigned NextByte(j_decompress_ptr cinfo)
{
    FillWhenEmpty(cinfo);
    --cinfo->src->bytes_in_buffer;
    return GETJOCTET(*cinfo->src->next_input_byte++);
}

// An APP1 segment of a metadata read. A length word below 2 holds no body, and reading
// goes on right after it, as libjpeg's own reader does.
boolean CaptureExif(j_decompress_ptr cinfo)
{
    auto* capture = static_cast<TExifCapture*>(cinfo->client_data);
    unsigned length = NextByte(cinfo) << 8;
    length |= NextByte(cinfo);
    if (length < 2)
        return TRUE;
    length -= 2;
    if (capture->data || length < kExifHeaderBytes) {
        (*cinfo->src->skip_input_data)(cinfo, static_cast<long>(length));
        return TRUE;
    }
    const std::int64_t at = capture->offset(cinfo);
    auto* data = static_cast<JOCTET*>((*cinfo->mem->alloc_large)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, length));
    for (unsigned read = 0; read < length;) {
        FillWhenEmpty(cinfo);
        const std::size_t count = std::min<std::size_t>(cinfo->src->bytes_in_buffer, length - read);
        std::memcpy(data + read, cinfo->src->next_input_byte, count);
        cinfo->src->next_input_byte += count;
        cinfo->src->bytes_in_buffer -= count;
        read += static_cast<unsigned>(count);
    }
    if (std::memcmp(data, kExifHeader, kExifHeaderBytes) == 0)
        *capture = {capture->offset, data, length, at};
    return TRUE;
}

// Keeps the EXIF segments, and the ICC profile's when it is wanted; every other segment
// is skipped unread as before.
void ReadCheckedHeader(j_decompress_ptr cinfo, TKept keep)
{
    if (keep.exif) {
        cinfo->client_data = keep.exif;
        jpeg_set_marker_processor(cinfo, kExifMarker, CaptureExif);
    } else {
        jpeg_save_markers(cinfo, kExifMarker, kExifBytesKept);
    }
    if (keep.profile)
        jpeg_save_markers(cinfo, kIccMarker, kLongestMarker);
    jpeg_read_header(cinfo, TRUE);
    CheckDecodedSize(cinfo);
}

// The first EXIF segment kept; null when there is none.
jpeg_saved_marker_ptr ExifSegment(j_decompress_ptr cinfo)
{
    for (jpeg_saved_marker_ptr m = cinfo->marker_list; m; m = m->next)
        if (m->marker == kExifMarker && m->data_length >= kExifHeaderBytes
            && std::memcmp(m->data, kExifHeader, kExifHeaderBytes) == 0)
            return m;
    return nullptr;
}

// The orientation of the first EXIF segment; 1 when there is none.
int OrientationOf(j_decompress_ptr cinfo)
{
    // From as much of a whole block as a header read keeps: the maker notes behind it
    // would only cost their parsing.
    if (const auto* capture = static_cast<const TExifCapture*>(cinfo->client_data))
        return capture->data ? ExifOrientation(capture->data, std::min(capture->length, kExifBytesKept)) : 1;
    const jpeg_saved_marker_ptr exif = ExifSegment(cinfo);
    return exif ? ExifOrientation(exif->data, exif->data_length) : 1;
}

bool IsCmyk(j_decompress_ptr cinfo)
{
    return cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
}

void SetDecodeParameters(j_decompress_ptr cinfo, const TJPEGDecodeParams& params, TOutputPlan& plan)
{
    cinfo->scale_num = 1;
    cinfo->scale_denom = static_cast<unsigned>(params.scaleDenominator);
    cinfo->do_block_smoothing = params.blockSmoothing ? TRUE : FALSE;
    plan.cmyk = IsCmyk(cinfo);
    if (plan.cmyk) {
        // libjpeg cannot turn CMYK into RGB, grey or a palette: those are done here.
        cinfo->out_color_space = JCS_CMYK;
        plan.cmykInverted = cinfo->saw_Adobe_marker;
        plan.cmykTarget = params.grayMode  ? TCmykTarget::GreyIndex
                          : params.eightBit ? TCmykTarget::CubeIndex
                                            : TCmykTarget::Bgr24;
    } else {
        if (params.grayMode)
            cinfo->out_color_space = JCS_GRAYSCALE;
        if (params.eightBit || cinfo->out_color_space == JCS_GRAYSCALE) {
            // Palette indexes do not depend on the byte order of the colour map.
            if (cinfo->out_color_space != JCS_GRAYSCALE)
                cinfo->out_color_space = JCS_RGB;
            cinfo->quantize_colors = TRUE;
            cinfo->desired_number_of_colors = kPaletteColors;
        } else {
            cinfo->out_color_space = JCS_EXT_BGR;
        }
    }
    if (params.bestSpeed) {
        cinfo->dct_method = JDCT_IFAST;
        cinfo->two_pass_quantize = FALSE;
        cinfo->dither_mode = JDITHER_ORDERED;
    } else {
        cinfo->dct_method = JDCT_FLOAT;
    }
}

bool IsEightBit(j_decompress_ptr cinfo, const TOutputPlan& plan)
{
    return plan.cmyk ? plan.cmykTarget != TCmykTarget::Bgr24 : cinfo->quantize_colors != FALSE;
}

// Sizes the bitmap for the output, upright, and allocates the row buffers it needs.
void PrepareOutput(j_decompress_ptr cinfo, TOutputPlan& plan, TBitmap& bitmap)
{
    const int bytesPerPixel = IsEightBit(cinfo, plan) ? 1 : 3;
    const std::int64_t bytes = std::int64_t{cinfo->output_width} * cinfo->output_height * bytesPerPixel;
    if (bytes > kMaxDecodedBytes)
        ERREXIT(cinfo, JERR_IMAGE_TOO_BIG);
    int width = static_cast<int>(cinfo->output_width);
    int height = static_cast<int>(cinfo->output_height);
    if (SwapsSides(plan.orientation))
        std::swap(width, height);
    // Not cleared first: every row is written by each output pass.
    bitmap = TBitmap::Unfilled(width, height, bytesPerPixel == 1 ? TPixelFormat::pf8bit : TPixelFormat::pf24bit);
    if (bitmap.Empty())
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    if (plan.cmyk)
        plan.cmykRows = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                    cinfo->output_width * 4, static_cast<JDIMENSION>(RowsPerRead(plan)));
    if (plan.orientation != 1 && !plan.strips->bytes) {
        const std::size_t row = std::size_t{cinfo->output_width} * static_cast<std::size_t>(bytesPerPixel);
        plan.strips->bytes.reset(new (std::nothrow) unsigned char[2 * kTurnedRowsPerRead * row]);
        if (!plan.strips->bytes)
            ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 1);
        for (int strip = 0; strip < 2; ++strip)
            for (int i = 0; i < kTurnedRowsPerRead; ++i)
                plan.strips->rows[strip][i] = plan.strips->bytes.get() + (strip * kTurnedRowsPerRead + i) * row;
    }
}

// Waits until the strip last handed to a worker is placed.
void WaitForPlacing(TTurnStrips& strips)
{
    if (strips.placing.valid())
        strips.placing.get();
}

// Places a strip upright on a worker when one is free, else here.
void PlaceOnWorker(TTurnStrips& strips, const TStoredRows& stored, int width, int height, int bytesPerPixel,
                   int orientation, uchar* base, qsizetype stride)
{
    auto place = std::make_shared<std::packaged_task<void()>>(
        [=] { PlaceUpright(stored, width, height, bytesPerPixel, orientation, base, stride); });
    strips.placing = place->get_future();
    if (!WorkerPool().tryStart([place] { (*place)(); }))
        (*place)();
}

// The palette for 8-bit output: libjpeg's colour map, one entry per colour it chose.
void ApplyPalette(j_decompress_ptr cinfo, const TOutputPlan& plan, TBitmap& bitmap)
{
    if (!IsEightBit(cinfo, plan))
        return;
    if (plan.cmyk) {
        bitmap.SetPalette(plan.cmykTarget == TCmykTarget::GreyIndex ? CmykGreyPalette() : CmykCubePalette());
        return;
    }
    QList<QRgb> colors;
    for (int i = 0; i < cinfo->actual_number_of_colors; ++i) {
        if (cinfo->out_color_components == 1) {
            const int v = cinfo->colormap[0][i];
            colors.append(qRgb(v, v, v));
        } else {
            colors.append(qRgb(cinfo->colormap[0][i], cinfo->colormap[1][i], cinfo->colormap[2][i]));
        }
    }
    bitmap.SetPalette(colors);
}

// One output pass, top to bottom: straight into the bitmap's rows when the picture is
// stored upright, else through a strip of stored rows placed where they stand upright.
void ReadRows(j_decompress_ptr cinfo, const TOutputPlan& plan, TBitmap& bitmap)
{
    ApplyPalette(cinfo, plan, bitmap);
    uchar* const base = bitmap.Image().bits();
    const qsizetype stride = bitmap.Image().bytesPerLine();
    const bool upright = plan.orientation == 1;
    JSAMPROW rows[kTurnedRowsPerRead];
    int strip = 0;  // the strip being filled
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION first = cinfo->output_scanline;
        const auto wanted = std::min<JDIMENSION>(static_cast<JDIMENSION>(RowsPerRead(plan)), cinfo->output_height - first);
        JSAMPROW* stored = upright ? nullptr : plan.strips->rows[strip];
        for (JDIMENSION i = 0; i < wanted; ++i)
            rows[i] = plan.cmyk ? plan.cmykRows[i] : !upright ? stored[i] : base + (first + i) * stride;
        // libjpeg hands out at most a row group a call.
        JDIMENSION read = 0;
        while (read < wanted) {
            const JDIMENSION more = jpeg_read_scanlines(cinfo, rows + read, wanted - read);
            if (more == 0)
                break;
            read += more;
        }
        if (plan.cmyk)
            for (JDIMENSION i = 0; i < read; ++i)
                ConvertCmykRow(plan.cmykRows[i], upright ? base + (first + i) * stride : stored[i],
                               static_cast<int>(cinfo->output_width), plan.cmykInverted, plan.cmykTarget);
        if (!upright) {
            // The other strip is free once its placing ends; this one goes to be placed.
            WaitForPlacing(*plan.strips);
            PlaceOnWorker(*plan.strips, {stored, static_cast<int>(read), static_cast<int>(first)},
                          static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                          IsEightBit(cinfo, plan) ? 1 : 3, plan.orientation, base, stride);
            strip = 1 - strip;
        }
    }
    if (!upright)
        WaitForPlacing(*plan.strips);
}

// Scan by scan with quick settings, then the final pass with the chosen ones.
void ReadProgressively(j_decompress_ptr cinfo, TOutputPlan& plan, TBitmap& bitmap)
{
    const J_DCT_METHOD finalDct = cinfo->dct_method;
    const J_DITHER_MODE finalDither = cinfo->dither_mode;
    const boolean finalTwoPass = cinfo->two_pass_quantize;
    cinfo->enable_2pass_quant = cinfo->two_pass_quantize;
    cinfo->two_pass_quantize = FALSE;
    cinfo->dither_mode = JDITHER_ORDERED;
    cinfo->dct_method = JDCT_IFAST;
    cinfo->buffered_image = TRUE;
    jpeg_start_decompress(cinfo);
    PrepareOutput(cinfo, plan, bitmap);
    while (!jpeg_input_complete(cinfo)) {
        if (cinfo->input_scan_number > kMaxJPEGScans)
            ERREXIT(cinfo, kTooManyScansCode);
        jpeg_start_output(cinfo, cinfo->input_scan_number);
        ReadRows(cinfo, plan, bitmap);
        jpeg_finish_output(cinfo);
    }
    cinfo->dct_method = finalDct;
    cinfo->dither_mode = finalDither;
    cinfo->two_pass_quantize = finalTwoPass;
    jpeg_start_output(cinfo, cinfo->input_scan_number);
    ReadRows(cinfo, plan, bitmap);
    jpeg_finish_output(cinfo);
}

// Work done on a decompressor whose header has been read.
using TDecompressWork = void (*)(j_decompress_ptr cinfo, void* context);

// Runs work on a decompressor reading source, with libjpeg's errors coming back here:
// false with the code after the decompressor is destroyed.
bool RunDecompress(jpeg_source_mgr* source, TKept keep, TDecompressWork work, void* context, int& code)
{
    jpeg_decompress_struct cinfo{};
    TJPEGErrorManager err{};
    TJPEGScanLimit limit{};
    cinfo.err = UseErrorManager(err);
    if (setjmp(err.jump)) {
        code = err.pub.msg_code;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.src = source;
    UseScanLimit(&cinfo, limit);
    ReadCheckedHeader(&cinfo, keep);
    work(&cinfo, context);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct THeaderJob {
    int scaleDenominator;
    TJPEGHeader* header;
    TJPEGMetadata* metadata;  // null: only the header is wanted
};

void ReadHeaderWork(j_decompress_ptr cinfo, void* context)
{
    const auto* job = static_cast<THeaderJob*>(context);
    cinfo->scale_num = 1;
    cinfo->scale_denom = static_cast<unsigned>(job->scaleDenominator);
    jpeg_calc_output_dimensions(cinfo);
    TJPEGHeader& header = *job->header;
    header.width = static_cast<int>(cinfo->image_width);
    header.height = static_cast<int>(cinfo->image_height);
    header.orientation = OrientationOf(cinfo);
    header.grayscale = cinfo->jpeg_color_space == JCS_GRAYSCALE;
    header.progressive = jpeg_has_multiple_scans(cinfo);
    header.scaledWidth = static_cast<int>(cinfo->output_width);
    header.scaledHeight = static_cast<int>(cinfo->output_height);
    if (SwapsSides(header.orientation)) {
        std::swap(header.width, header.height);
        std::swap(header.scaledWidth, header.scaledHeight);
    }
    if (!job->metadata)
        return;
    // Copied out here: libjpeg frees the saved segments with the decompressor. No object
    // lives across a libjpeg call, so an error's longjmp skips no destructor.
    if (const auto* capture = static_cast<const TExifCapture*>(cinfo->client_data); capture->data) {
        job->metadata->exif = QByteArray(reinterpret_cast<const char*>(capture->data), static_cast<qsizetype>(capture->length));
        job->metadata->exifOffset = capture->at;
    }
    JOCTET* profile = nullptr;
    unsigned length = 0;
    if (jpeg_read_icc_profile(cinfo, &profile, &length)) {
        job->metadata->iccProfile = QByteArray(reinterpret_cast<const char*>(profile), static_cast<qsizetype>(length));
        std::free(profile);
    }
}

struct TDecodeJob {
    const TJPEGDecodeParams* params;
    TBitmap* bitmap;
    JOCTET* profile;  // malloc'ed by libjpeg; the caller frees it on every path
    unsigned profileLength;
    TTurnStrips* strips;
};

void DecodeWork(j_decompress_ptr cinfo, void* context)
{
    auto* job = static_cast<TDecodeJob*>(context);
    TOutputPlan plan{};
    SetDecodeParameters(cinfo, *job->params, plan);
    plan.orientation = OrientationOf(cinfo);
    plan.strips = job->strips;
    // Grey output stays as decoded; Qt reads no CMYK profile.
    if (!plan.cmyk && cinfo->out_color_space != JCS_GRAYSCALE)
        jpeg_read_icc_profile(cinfo, &job->profile, &job->profileLength);
    if (job->params->showProgressively && jpeg_has_multiple_scans(cinfo)) {
        ReadProgressively(cinfo, plan, *job->bitmap);
    } else {
        jpeg_start_decompress(cinfo);
        PrepareOutput(cinfo, plan, *job->bitmap);
        ReadRows(cinfo, plan, *job->bitmap);
    }
    jpeg_finish_decompress(cinfo);
    job->bitmap->CoverIndices();
}

// With metadata, offset says where the EXIF block lies.
TJPEGHeader ReadHeaderFrom(jpeg_source_mgr* source, int scaleDenominator, TJPEGMetadata* metadata = nullptr,
                           TSourceOffset offset = nullptr)
{
    TJPEGHeader header;
    THeaderJob job{scaleDenominator, &header, metadata};
    TExifCapture exif{offset, nullptr, 0, -1};
    int code = 0;
    if (!RunDecompress(source, {metadata != nullptr, metadata ? &exif : nullptr}, ReadHeaderWork, &job, code))
        throw EJPEG(code);
    return header;
}

bool RunEncode(const QImage& image, const TJPEGEncodeParams& params, QByteArray& bytes, int& code)
{
    jpeg_compress_struct cinfo{};
    TJPEGErrorManager err{};
    TJPEGMemoryDestination destination{};
    cinfo.err = UseErrorManager(err);
    if (setjmp(err.jump)) {
        code = err.pub.msg_code;
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    UseMemoryDestination(&cinfo, destination, bytes);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&cinfo, params.quality, TRUE);
    if (params.grayMode)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    if (params.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

TJPEGHeader ReadJPEGHeader(const QByteArray& bytes, int scaleDenominator)
{
    TJPEGMemorySource source{};
    return ReadHeaderFrom(UseMemorySource(source, bytes), scaleDenominator);
}

namespace {

TJPEGHeader ReadFileHeader(const std::string& fileName, TJPEGMetadata* metadata)
{
    TPathFile file;
    OpenToRead(file, fileName);
    TJPEGFileSource source{};
    const TSourceOffset offset = [](j_decompress_ptr cinfo) {
        return NextByteOffset(*reinterpret_cast<const TJPEGFileSource*>(cinfo->src));
    };
    TJPEGHeader header = ReadHeaderFrom(UseFileSource(source, file), 1, metadata, offset);
    header.bytesRead = static_cast<std::int64_t>(source.position);
    return header;
}

}  // namespace

TJPEGHeader ReadJPEGFileHeader(const std::string& fileName)
{
    return ReadFileHeader(fileName, nullptr);
}

TJPEGMetadata ReadJPEGMetadata(const QByteArray& bytes)
{
    TJPEGMetadata metadata;
    TJPEGMemorySource source{};
    const TSourceOffset offset = [](j_decompress_ptr cinfo) {
        return NextByteOffset(*reinterpret_cast<const TJPEGMemorySource*>(cinfo->src));
    };
    metadata.header = ReadHeaderFrom(UseMemorySource(source, bytes), 1, &metadata, offset);
    return metadata;
}

TJPEGMetadata ReadJPEGFileMetadata(const std::string& fileName)
{
    TJPEGMetadata metadata;
    metadata.header = ReadFileHeader(fileName, &metadata);
    return metadata;
}

TBitmap DecodeJPEG(QByteArray bytes, TJPEGDecodeParams params)
{
    TBitmap bitmap;
    TTurnStrips strips;
    TDecodeJob job{&params, &bitmap, nullptr, 0, &strips};
    TJPEGMemorySource source{};
    int code = 0;
    const bool decoded = RunDecompress(UseMemorySource(source, bytes), {true, nullptr}, DecodeWork, &job, code);
    // An error's longjmp may have left a strip being placed into the bitmap.
    WaitForPlacing(strips);
    const std::unique_ptr<JOCTET, decltype(&std::free)> profile(job.profile, &std::free);
    if (!decoded)
        throw EJPEG(code);
    if (profile)
        ConvertToSRgb(bitmap.Image(), QByteArray::fromRawData(reinterpret_cast<const char*>(profile.get()),
                                                              static_cast<qsizetype>(job.profileLength)));
    return bitmap;
}

QByteArray EncodeJPEG(const TBitmap& bitmap, const TJPEGEncodeParams& params)
{
    QByteArray bytes;
    if (bitmap.Width() == 0 || bitmap.Height() == 0)
        return bytes;
    // The compressor reads 24-bit rows; a bitmap already at 24 bits is shared, not copied.
    const QImage image = bitmap.Image().convertToFormat(QImage::Format_BGR888);
    int code = 0;
    if (!RunEncode(image, params, bytes, code))
        throw EJPEG(code);
    return bytes;
}
