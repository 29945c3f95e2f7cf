// lumora_raw_bench: a camera RAW file developed whole by Lumora's reader against LibRaw's
// own dcraw_emu with the same options (camera white balance, sRGB, 8 bits), each on the
// same DNG of the test makers, and the same at half size. Medians of --repeat runs; the
// reader's ratio to dcraw_emu is the figure to watch.
//   lumora_raw_bench --size 6000x4000 --repeat 5

#include "BenchArgs.h"
#include "BenchTiming.h"
#include "imaging/RawCodec.h"
#include "support/DngMaker.h"
#include "support/PictureMakers.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double Developed(const QString& path, const TCoverRule& cover)
{
    return Milliseconds([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        QSize natural;
        if (RawCodec().Decode(file, cover, natural).isNull())
            std::abort();
    });
}

double DcrawEmu(const QString& path, bool half)
{
    return Milliseconds([&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QStringList arguments{"-w", "-o", "1", "-Z", "-"};
        if (half)
            arguments << "-h";
        process.start("dcraw_emu", arguments << path);
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            std::abort();
    });
}

}  // namespace

int main(int argc, char** argv)
{
    int width = 6000, height = 4000, repeat = 5;
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadCountOption(argc, argv, "--repeat", repeat);
    const QTemporaryDir dir;
    const QString path = dir.filePath("bench.dng");
    WriteFileBytes(path.toStdString(), MakeTestDng(TestPatternImage(width, height), 1));
    const TCoverRule half = [](QSize natural) { return natural / 2; };
    for (const bool isHalf : {false, true}) {
        std::vector<double> own, emu;
        for (int i = 0; i < repeat; ++i) {
            own.push_back(Developed(path, isHalf ? half : TCoverRule(WholePicture)));
            emu.push_back(DcrawEmu(path, isHalf));
        }
        std::printf("%dx%d %s: reader %.1f ms, dcraw_emu %.1f ms, ratio %.3f\n", width, height,
                    isHalf ? "half size" : "whole", Median(own), Median(emu), Median(own) / Median(emu));
    }
    return 0;
}
