#include "support/DngMaker.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

namespace {

enum TFieldType : std::uint16_t { kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5, kSRational = 10 };

int FieldBytes(TFieldType type)
{
    return type == kShort ? 2 : type == kLong ? 4 : type == kRational || type == kSRational ? 8 : 1;
}

void Put(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// One directory's entries, by tag; each value already in the file's byte order.
class TDirectory {
public:
    void Add(std::uint16_t tag, TFieldType type, const std::vector<std::int64_t>& values)
    {
        QByteArray data;
        for (const std::int64_t value : values)
            Put(data, static_cast<std::uint32_t>(value), FieldBytes(type) == 8 ? 4 : FieldBytes(type));
        entries_[tag] = {type, static_cast<std::uint32_t>(values.size() / (FieldBytes(type) == 8 ? 2 : 1)), data};
    }

    void AddText(std::uint16_t tag, const char* text)
    {
        entries_[tag] = {kAscii, static_cast<std::uint32_t>(qstrlen(text) + 1), QByteArray(text, qstrlen(text) + 1)};
    }

    // Appends the directory, and after it the values that do not fit in an entry;
    // returns where it starts.
    std::uint32_t WriteTo(QByteArray& file) const
    {
        const auto start = static_cast<std::uint32_t>(file.size());
        QByteArray outside;
        std::uint32_t outsideAt = start + 2 + 12 * static_cast<std::uint32_t>(entries_.size()) + 4;
        Put(file, static_cast<std::uint32_t>(entries_.size()), 2);
        for (const auto& [tag, entry] : entries_) {
            Put(file, tag, 2);
            Put(file, entry.type, 2);
            Put(file, entry.count, 4);
            if (entry.data.size() <= 4) {
                file += entry.data.leftJustified(4, '\0');
            } else {
                Put(file, outsideAt + static_cast<std::uint32_t>(outside.size()), 4);
                outside += entry.data;
                if (outside.size() % 2)
                    outside += '\0';  // values start on a word boundary
            }
        }
        Put(file, 0, 4);  // no next directory
        file += outside;
        return start;
    }

private:
    struct TEntry {
        TFieldType type;
        std::uint32_t count;
        QByteArray data;
    };
    std::map<std::uint16_t, TEntry> entries_;
};

// The image's colours as linear light, 16 bits a sample, rows as stored.
QByteArray LinearSamples(const QImage& image)
{
    std::uint16_t linear[256];
    for (int v = 0; v < 256; ++v) {
        const double c = v / 255.0;
        linear[v] = static_cast<std::uint16_t>(
            std::lround(65535 * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4))));
    }
    QByteArray samples;
    samples.reserve(qsizetype{image.width()} * image.height() * 6);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y);
            for (const int v : {qRed(rgb), qGreen(rgb), qBlue(rgb)})
                Put(samples, linear[v], 2);
        }
    return samples;
}

// What every DNG's first directory says about the camera: the raw data is in sRGB's
// primaries (XYZ to linear sRGB under D65) and was shot under a neutral white.
void AddCamera(TDirectory& directory, int orientation)
{
    directory.Add(274, kShort, {orientation});
    directory.Add(50706, kByte, {1, 4, 0, 0});  // DNG version
    directory.AddText(50708, "Lumora Test Camera");
    directory.Add(50721, kSRational, {32405, 10000, -15371, 10000, -4985, 10000,  //
                                      -9693, 10000, 18760, 10000, 416, 10000,     //
                                      556, 10000, -2040, 10000, 10572, 10000});
    directory.Add(50728, kRational, {1, 1, 1, 1, 1, 1});  // as-shot neutral
    directory.Add(50778, kShort, {21});                   // calibrated under D65
}

// The tags of an uncompressed picture in one strip.
void AddStrip(TDirectory& directory, QSize size, std::uint32_t at, std::uint32_t length, int bits, int photometric)
{
    directory.Add(256, kLong, {size.width()});
    directory.Add(257, kLong, {size.height()});
    directory.Add(258, kShort, {bits, bits, bits});
    directory.Add(262, kShort, {photometric});
    directory.Add(273, kLong, {at});
    directory.Add(277, kShort, {3});
    directory.Add(278, kLong, {size.height()});
    directory.Add(279, kLong, {length});
    directory.Add(284, kShort, {1});
}

}  // namespace

QByteArray MakeTestDng(const QImage& image, int orientation, const QByteArray& preview)
{
    QByteArray file("II*\0\0\0\0\0", 8);  // the first directory's place is written last
    const QByteArray samples = LinearSamples(image);
    const auto rawAt = static_cast<std::uint32_t>(file.size());
    file += samples;
    const auto previewAt = static_cast<std::uint32_t>(file.size());
    file += preview;
    if (file.size() % 2)
        file += '\0';

    TDirectory raw;
    raw.Add(254, kLong, {0});  // the main picture
    raw.Add(259, kShort, {1});
    AddStrip(raw, image.size(), rawAt, static_cast<std::uint32_t>(samples.size()), 16, 34892);
    std::uint32_t first;
    if (preview.isEmpty()) {
        AddCamera(raw, orientation);
        first = raw.WriteTo(file);
    } else {
        const std::uint32_t rawDirectory = raw.WriteTo(file);
        // From its header: decoding a large preview would pass Qt's allocation limit, and
        // the directory would say it is empty.
        QByteArray jpeg = preview;
        QBuffer buffer(&jpeg);
        const QSize shape = QImageReader(&buffer, "jpeg").size();
        TDirectory top;
        top.Add(254, kLong, {1});  // a reduced copy
        top.Add(259, kShort, {7});  // JPEG
        AddStrip(top, shape, previewAt, static_cast<std::uint32_t>(preview.size()), 8, 6);
        top.Add(330, kLong, {rawDirectory});
        AddCamera(top, orientation);
        first = top.WriteTo(file);
    }
    qToLittleEndian(first, file.data() + 4);
    return file;
}
