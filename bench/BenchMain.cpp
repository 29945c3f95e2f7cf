// lumora_bench [--size WxH] [--repeat N]
// Makes a baseline and a progressive photo-like JPEG (4000 x 3000 unless told) with
// Lumora's encoder in a temporary folder, then measures:
//   - reading the header from the start of the file, loading (the whole file, header
//     only) and loading and decoding, per file;
//   - decoding into a TBitmap against plain libjpeg-turbo into a buffer, same file and parameters;
//   - encoding 100 x 100 and 800 x 600 bitmaps.
// Figures are medians of the repetitions.

#include "BenchArgs.h"
#include "BenchTiming.h"
#include "PhotoCorpus.h"
#include "PlainDecoder.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

QByteArray Encode(const TBitmap& bitmap, bool progressive)
{
    TJPEGImage jpeg;
    jpeg.SetWriteProgressive(progressive);
    jpeg.Assign(bitmap);
    return jpeg.SaveToBytes();
}

void BenchFile(const std::string& name, const std::string& path, int repeat)
{
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();

    std::vector<double> fileHeader, header, full, ours, plain;
    int width = 0, height = 0;
    for (int i = 0; i < repeat; ++i) {
        fileHeader.push_back(Milliseconds([&] { ReadJPEGFileHeader(path); }));
        header.push_back(Milliseconds([&] {
            TJPEGImage jpeg;
            jpeg.LoadFromFile(path);
            width = jpeg.Width();
            height = jpeg.Height();
        }));
        full.push_back(Milliseconds([&] {
            TJPEGImage jpeg;
            jpeg.LoadFromFile(path);
            TBitmap bitmap;
            bitmap.Assign(jpeg);
        }));
        TJPEGImage loaded;
        loaded.LoadFromFile(path);
        TBitmap bitmap;
        ours.push_back(Milliseconds([&] { bitmap.Assign(loaded); }));
        plain.push_back(Milliseconds([&] { PlainDecode(bytes); }));
    }
    const double fh = Median(fileHeader), h = Median(header), f = Median(full), o = Median(ours),
                 p = Median(plain);
    std::printf("%-12s %5d x %-5d %6.2f MB | file header %8.3f ms | header load %8.3f ms | load+decode %8.2f ms"
                " | header/full %5.2f %%\n",
                name.c_str(), width, height, bytes.size() / 1e6, fh, h, f, 100.0 * h / f);
    std::printf("%-12s decode into TBitmap %8.2f ms | plain libjpeg-turbo %8.2f ms | ratio %.3f\n", name.c_str(), o,
                p, o / p);
}

void BenchEncode(int width, int height, int repeat)
{
    const TBitmap bitmap = PhotoLikeBitmap(width, height);
    std::vector<double> times;
    std::size_t size = 0;
    for (int i = 0; i < repeat; ++i)
        times.push_back(Milliseconds([&] { size = static_cast<std::size_t>(Encode(bitmap, false).size()); }));
    std::printf("encode %4d x %-4d  %8.3f ms  (%zu bytes)\n", width, height, Median(times), size);
}

}  // namespace

int main(int argc, char** argv)
{
    int width = 4000, height = 3000, repeat = 7;
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadCountOption(argc, argv, "--repeat", repeat);

    QTemporaryDir dir;
    const TBitmap photo = PhotoLikeBitmap(width, height);
    for (const bool progressive : {false, true}) {
        const std::string name = progressive ? "progressive" : "baseline";
        const std::string path = dir.filePath(QString::fromStdString(name + ".jpg")).toStdString();
        QFile out(QString::fromStdString(path));
        out.open(QIODevice::WriteOnly);
        out.write(Encode(photo, progressive));
        out.close();
        BenchFile(name, path, repeat);
    }
    BenchEncode(100, 100, repeat * 30);
    BenchEncode(800, 600, repeat * 3);
    return 0;
}
