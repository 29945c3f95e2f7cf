#include "ReferenceDecode.h"

#include "BenchTiming.h"

#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <vector>

namespace {

double QtReaderMilliseconds(const std::string& path, int repeat)
{
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i)
        times.push_back(Milliseconds([&] {
            QImageReader reader(QString::fromStdString(path));
            reader.setAutoTransform(true);
            reader.read();
        }));
    return Median(times);
}

// The program's run on file; "FILE" and "OUT" in arguments stand for the picture and a
// name in dir, of the given suffix, that leads to /dev/null. Standard output goes there too.
double ToolMilliseconds(const QString& program, const QStringList& arguments, const std::string& path,
                        const QString& outSuffix, int repeat)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out." + outSuffix);
    QFile::link("/dev/null", out);
    QStringList given = arguments;
    for (QString& argument : given)
        argument = argument == "FILE" ? QString::fromStdString(path) : argument == "OUT" ? out : argument;
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        bool ran = false;
        times.push_back(Milliseconds([&] {
            process.start(program, given);
            ran = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
                  && process.exitCode() == 0;
        }));
        if (!ran)
            return -1;
    }
    return Median(times);
}

struct TTool {
    QString program;
    QStringList arguments;
    QString outSuffix;
    std::string how;
};

TTool ToolOf(TReference reference)
{
    switch (reference) {
    case TReference::HeifConvert:
        // Y4M is the decoded planes as they are: no colour conversion and no compression.
        return {"heif-convert", {"--quiet", "FILE", "OUT"}, "y4m", "heif-convert to Y4M"};
    case TReference::Djxl:
        return {"djxl", {"FILE", "OUT"}, "ppm", "djxl to PPM"};
    case TReference::DcrawEmu:
        // The RAW reader's development: the camera's white balance, sRGB, 8 bits.
        return {"dcraw_emu", {"-w", "-o", "1", "-Z", "-", "FILE"}, "ppm", "dcraw_emu -w -o 1 to PPM"};
    case TReference::QtReader:
        break;
    }
    return {};
}

}  // namespace

TReferenceTime ReferenceDecode(const TBenchType& type, const std::string& path, const std::string& tiny, int repeat)
{
    if (type.reference == TReference::QtReader)
        return {QtReaderMilliseconds(path, repeat), 0, "QImageReader"};
    const TTool tool = ToolOf(type.reference);
    return {ToolMilliseconds(tool.program, tool.arguments, path, tool.outSuffix, repeat),
            ToolMilliseconds(tool.program, tool.arguments, tiny, tool.outSuffix, repeat), tool.how};
}
