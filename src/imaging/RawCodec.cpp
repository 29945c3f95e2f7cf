#include "imaging/RawCodec.h"

#include "imaging/DisplayCopy.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGError.h"
#include "imaging/Orientation.h"

#include <QIODevice>

#include <libraw/libraw.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// The device as LibRaw reads a file: only what LibRaw asks for is read, and no copy of
// the file is kept.
class TDeviceStream : public LibRaw_abstract_datastream {
public:
    explicit TDeviceStream(QIODevice& file) : file_(file), start_(file.pos()), size_(file.size() - start_) {}

    int valid() override { return file_.isOpen() && size_ >= 0; }

    int read(void* data, size_t size, size_t count) override
    {
        if (size == 0 || count == 0)
            return 0;
        const auto bytes = static_cast<qint64>(std::min<size_t>(count, static_cast<size_t>(size_) / size + 1) * size);
        const qint64 got = file_.read(static_cast<char*>(data), bytes);
        return got <= 0 ? 0 : static_cast<int>(got / static_cast<qint64>(size));
    }

    // As LibRaw's own streams do: a place outside the file is taken as its nearer end.
    int seek(INT64 offset, int whence) override
    {
        const qint64 base = whence == SEEK_CUR ? tell() : whence == SEEK_END ? size_ : 0;
        const qint64 to = offset > size_ - base ? size_ : std::max<qint64>(0, base + offset);
        return file_.seek(start_ + to) ? 0 : -1;
    }

    INT64 tell() override { return file_.pos() - start_; }
    INT64 size() override { return size_; }

    int get_char() override
    {
        char c;
        return file_.getChar(&c) ? static_cast<unsigned char>(c) : -1;
    }

    char* gets(char* line, int size) override { return size > 1 && file_.readLine(line, size) > 0 ? line : nullptr; }

    // A number in text, as LibRaw's buffer stream reads one: then on past it (at most 24 bytes).
    int scanf_one(const char* format, void* value) override
    {
        char text[32] = {};
        const qint64 got = file_.peek(text, sizeof text - 1);
        if (got <= 0)
            return 0;
        const int scanned = std::sscanf(text, format, value);
        if (scanned > 0) {
            qint64 skip = 1;
            while (skip < got && skip <= 24 && text[skip] != 0 && text[skip] != ' ' && text[skip] != '\t'
                   && text[skip] != '\n')
                ++skip;
            file_.seek(file_.pos() + skip);
        }
        return scanned;
    }

    int eof() override { return file_.atEnd(); }
    void* make_jas_stream() override { return nullptr; }

private:
    QIODevice& file_;
    qint64 start_;
    qint64 size_;
};

// LibRaw's flip (bit 4 transposes, bit 2 flips the rows, bit 1 the columns) as the EXIF
// orientation that turns the same way.
int ExifOrientationOf(int flip)
{
    static const int kOrientations[] = {1, 2, 4, 3, 5, 8, 6, 7};
    return flip >= 0 && flip < 8 ? kOrientations[flip] : 1;
}

bool Covers(QSize size, QSize wanted)
{
    return size.width() >= wanted.width() && size.height() >= wanted.height();
}

// A preview with bars (a camera's 4:3 thumbnail of a 3:2 picture) does not stand for it.
bool SameShape(QSize a, QSize b)
{
    const double ratio = double(a.width()) * b.height() / (double(a.height()) * b.width());
    return std::abs(ratio - 1) < 0.02;
}

class TRawCodec : public TPictureCodec {
public:
    std::string Name() const override { return "RAW"; }

    QSize ReadSize(QIODevice& file) const override
    {
        const auto raw = std::make_unique<LibRaw>();
        TDeviceStream stream(file);
        return Open(*raw, stream);
    }

    QImage Decode(QIODevice& file, const TCoverRule& cover, QSize& natural) const override
    {
        const qint64 start = file.pos();
        TDeviceStream stream(file);
        const auto raw = std::make_unique<LibRaw>();
        natural = Open(*raw, stream);
        const QSize wanted = cover(natural);
        if (std::optional<QImage> preview = Preview(*raw, natural, wanted))
            return *std::move(preview);
        // Developed from the start again: the sizes read for the header are not those unpacked.
        raw->recycle();
        if (!file.seek(start))
            RefuseContent(*this, "it cannot be read again");
        libraw_output_params_t& params = raw->imgdata.params;
        params.use_camera_wb = 1;
        params.output_color = 1;  // sRGB
        params.output_bps = 8;
        params.half_size = Covers(natural / 2, wanted) ? 1 : 0;
        Check(raw->open_datastream(&stream));
        Check(raw->unpack());
        Check(raw->dcraw_process());
        int width = 0, height = 0, colors = 0, bits = 0;
        raw->get_mem_image_format(&width, &height, &colors, &bits);
        if ((colors != 1 && colors != 3) || bits != 8)
            RefuseContent(*this, "LibRaw gives no 8-bit picture of it");
        QImage image(width, height, colors == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        if (image.isNull())
            RefuseContent(*this, "there is not enough memory for it");
        // Straight into the image, turned by the file's orientation as it is copied.
        Check(raw->copy_mem_image(image.bits(), static_cast<int>(image.bytesPerLine()), 0));
        return image;
    }

private:
    // The file opened and its picture's size as developed and turned upright.
    QSize Open(LibRaw& raw, LibRaw_abstract_datastream& stream) const
    {
        Check(raw.open_datastream(&stream));
        Check(raw.adjust_sizes_info_only());
        const QSize size(raw.imgdata.sizes.iwidth, raw.imgdata.sizes.iheight);
        CheckDecodedSize(*this, size);
        return size;
    }

    // The camera's JPEG preview, upright and in sRGB at the largest scale that still
    // covers wanted; nothing when it does not cover or cannot be read.
    static std::optional<QImage> Preview(LibRaw& raw, QSize natural, QSize wanted)
    {
        const int orientation = ExifOrientationOf(raw.imgdata.sizes.flip);
        const libraw_thumbnail_t& thumbnail = raw.imgdata.thumbnail;
        // Most files say the preview's size: a small one is not read at all.
        const QSize said(thumbnail.twidth, thumbnail.theight);
        if (!said.isEmpty() && !Covers(SwapsSides(orientation) ? said.transposed() : said, wanted))
            return std::nullopt;
        if (raw.unpack_thumb() != LIBRAW_SUCCESS || thumbnail.tformat != LIBRAW_THUMBNAIL_JPEG || !thumbnail.thumb)
            return std::nullopt;
        // LibRaw's own copy, read where it lies: a full-size preview is tens of megabytes.
        const QByteArray jpeg = QByteArray::fromRawData(thumbnail.thumb, static_cast<qsizetype>(thumbnail.tlength));
        try {
            const TJPEGHeader header = ReadJPEGHeader(jpeg);
            // A preview with an orientation of its own is turned by it as it is decoded.
            const bool turnsItself = header.orientation != 1;
            QSize upright(header.width, header.height);
            if (!turnsItself && SwapsSides(orientation))
                upright.transpose();
            if (!Covers(upright, wanted) || !SameShape(upright, natural))
                return std::nullopt;
            TJPEGDecodeParams params;
            params.scaleDenominator = CoveringScaleDenominator(upright, wanted);
            TBitmap bitmap = DecodeJPEG(jpeg, params);
            if (!turnsItself)
                TurnUpright(bitmap, orientation);
            return bitmap.Image();
        } catch (const EJPEG&) {
            return std::nullopt;  // a damaged preview: the raw data may be fine
        }
    }

    void Check(int status) const
    {
        if (status != LIBRAW_SUCCESS)
            RefuseContent(*this, libraw_strerror(status));
    }
};

}  // namespace

const TPictureCodec& RawCodec()
{
    static const TRawCodec codec;
    return codec;
}
