// lumora_types_bench [--types png,heic,...] [--size WxH] [--count N] [--large WxH] [--repeat N]
//                    [--skip-board] [--skip-viewer] [--skip-memory]
// The picture types the all-types switch adds (png, gif, webp, tiff, svg, heic, avif, jxl,
// raw), with the switch on, on pictures made at run time in a temporary folder from the
// photo-like picture by each format's own encoder (4000 x 3000 unless told; HEIC and AVIF
// with a 320 x 240 embedded thumbnail, the DNG with a camera preview of its own size, the
// SVG a drawing of 80 squares across in the picture's colours).
// Each figure is printed against a bound measured in the same run:
//   board:  the one file hard-linked under N names (500 unless told) in a folder of its
//           own, shown on the real board (driven as lumora_board_bench drives it) with
//           an empty shared thumbnail cache: the time from the build until every
//           thumbnail is decoded and the view painted. The per-file decode is the median
//           of three runs on the file in processor time (a JPEG XL decode splits over the
//           cores), multiplied by N and divided by the cores: for HEIC, AVIF and RAW the bound is 0.1 x those sums of full decodes
//           (the DNG's raw data developed), as their thumbnail or camera preview must
//           come first; for the others 1.15 x those sums of the reduced decodes the
//           board makes (DecodeReduced with the cell's cover rule).
//   viewer: the clean copy (MakeDisplayCopy, in this process), median of the repetitions
//           (5 unless told), against 1.10 x the library's own decoder on the same file:
//           Qt's QImageReader alone, or heif-convert, djxl and dcraw_emu as children
//           writing their cheapest raw format into /dev/null, the program's start (its
//           run on a 16 x 16 file of the type) taken off and printed. The RAW viewer
//           decodes a DNG without preview, so its raw data is developed.
//           Then a step to the picture decoded ahead against one decoded in the step, as
//           lumora_viewer_bench measures them (goal < 5 %).
//   memory: a child process that makes the clean copy of a large picture (10000 x 10000
//           unless told, the encoders at their quickest; the DNG with its full-size
//           preview, as the board's) and paints a 1600 x 900 view of
//           it: its peak resident memory less what it held before, against 1.5 x the
//           decoded bitmap's width x height x 4 bytes.

#include "BenchArgs.h"
#include "BenchTiming.h"
#include "BoardDriver.h"
#include "PhotoCorpus.h"
#include "ReferenceDecode.h"
#include "TypeCorpus.h"
#include "ViewerSteps.h"
#include "WindowBench.h"
#include "Forms.h"
#include "app/window/UnitMain.h"
#include "imaging/DisplayCopy.h"
#include "imaging/JPEGImage.h"
#include "imaging/PictureTypes.h"
#include "thumbs/SharedThumbnails.h"
#include "thumbs/ThumbGeometry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct TOptions {
    int width = 4000, height = 3000;
    int largeWidth = 10000, largeHeight = 10000;
    int count = 500;
    int repeat = 5;
    std::string types;
    bool board = true, viewer = true, memory = true;
};

TOptions ReadOptions(int argc, char** argv)
{
    TOptions options;
    ReadSizeOption(argc, argv, "--size", options.width, options.height);
    ReadSizeOption(argc, argv, "--large", options.largeWidth, options.largeHeight);
    ReadCountOption(argc, argv, "--count", options.count);
    ReadCountOption(argc, argv, "--repeat", options.repeat);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--types") == 0 && i + 1 < argc)
            options.types = argv[i + 1];
        options.board = options.board && std::strcmp(argv[i], "--skip-board") != 0;
        options.viewer = options.viewer && std::strcmp(argv[i], "--skip-viewer") != 0;
        options.memory = options.memory && std::strcmp(argv[i], "--skip-memory") != 0;
    }
    return options;
}

const char* Verdict(bool held)
{
    return held ? "PASS" : "FAIL";
}

// One type's files: what the board shows, what the viewer decodes whole, and the tiny
// file its reference program's start is timed on.
struct TTypeFiles {
    TBenchType type;
    std::string board, viewer, tiny;
};

TTypeFiles WriteTypeFiles(const TBenchType& type, const QImage& photo, const std::string& folder)
{
    QDir().mkpath(QString::fromStdString(folder));
    const std::string extension = "." + type.extension;
    TTypeFiles files{type, WriteBoardPicture(type, photo, folder + "/board" + extension, false), {}, {}};
    files.viewer = type.embedsSmall ? WriteViewerPicture(type, photo, folder + "/viewer" + extension, false) : files.board;
    files.tiny = WriteViewerPicture(type, PhotoLikeBitmap(16, 16).Image(), folder + "/tiny" + extension, true);
    return files;
}

// The device pixels the board decodes a cell's thumbnail to cover, with the shared cache
// in use, as its thumbnails are made.
QSize CellCover(QSize natural, const std::string& path)
{
    const QSize cell = ThumbBounds(0, kSelectShowThumbsPerRow, natural).size();
    return cell.expandedTo(TSharedThumbnail(SharedThumbnailRoot(), path, cell, 0, 0).ThumbnailSize(natural));
}

// The median of three decodes of path under cover, in processor time: JPEG XL's decode
// takes every core it finds free, and the board's bound divides the sum by the cores.
double DecodeMilliseconds(const std::string& path, const TCoverRule& cover)
{
    std::vector<double> times;
    for (int i = 0; i < 3; ++i)
        times.push_back(CpuMilliseconds([&] {
            QSize natural;
            DecodeReduced(path, JPEGDefaults(), cover, natural);
        }));
    return Median(times);
}

// New windows, with Mode > All Picture Types checked as a user checks it: the main
// window's settings would turn the switch off again.
void OpenWindowsShowingAllTypes()
{
    OpenWindows();
    if (!frmMain->AllPictureTypes->isChecked())
        frmMain->AllPictureTypes->trigger();
    while (frmMain->Busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BenchBoard(const TTypeFiles& files, const std::string& folder, int count, int cores)
{
    const TBenchType& type = files.type;
    // The shared thumbnails the type before left to write would take processor time from
    // the yardstick's decodes.
    ForgetSharedThumbnails();
    double perFile = 0, factor = 0;
    const char* yardstick = nullptr;
    if (type.embedsSmall) {
        perFile = DecodeMilliseconds(files.viewer, WholePicture);
        factor = 0.1;
        yardstick = "full decodes";
    } else {
        perFile = DecodeMilliseconds(files.board, [&](QSize natural) { return CellCover(natural, files.board); });
        factor = 1.15;
        yardstick = "reduced decodes";
    }
    const TCorpus corpus = MakeCorpus(folder, count, {files.board}, "." + type.extension);
    OpenWindowsShowingAllTypes();
    const TRun run = RunBoard(corpus, true);
    DestroyForms();
    const double painted = run.build + run.all;
    const double bound = factor * perFile * count / cores;
    std::printf("%-5s board: %d thumbnails decoded and the view painted after %9.1f ms; bound %9.1f ms (%.2f x %d "
                "%s of %.1f ms / %d cores): %5.2f x %s\n",
                type.key.c_str(), count, painted, bound, factor, count, yardstick, perFile, cores, painted / bound,
                Verdict(painted <= bound));
}

void BenchViewer(const TTypeFiles& files, int repeat)
{
    const TBenchType& type = files.type;
    std::vector<double> times;
    std::string error;
    for (int i = 0; i < repeat; ++i)
        times.push_back(Milliseconds([&] { error = MakeDisplayCopy(CleanRequest(files.viewer)).error; }));
    if (!error.empty()) {
        std::printf("%-5s viewer: the clean copy failed: %s FAIL\n", type.key.c_str(), error.c_str());
        return;
    }
    const double decode = Median(times);
    const TReferenceTime reference = ReferenceDecode(type, files.viewer, files.tiny, repeat);
    if (reference.decode < 0) {
        std::printf("%-5s viewer: clean copy %8.1f ms; %s failed FAIL\n", type.key.c_str(), decode,
                    reference.how.c_str());
    } else {
        const double library = reference.decode - reference.start;
        const double bound = 1.10 * library;
        std::printf("%-5s viewer: clean copy %8.1f ms; bound %8.1f ms (1.10 x %s %.1f ms less its start %.1f ms): "
                    "%5.2f x %s\n",
                    type.key.c_str(), decode, bound, reference.how.c_str(), reference.decode, reference.start,
                    decode / bound, Verdict(decode <= bound));
    }
    const TStep step = MeasureStep(files.viewer, repeat);
    const double share = 100.0 * step.ahead / step.inStep;
    std::printf("%-5s viewer: step decoded ahead %8.3f ms against %8.1f ms in the step: %6.2f %% (goal < 5 %%) %s\n",
                type.key.c_str(), step.ahead, step.inStep, share, Verdict(share < 5));
}

// The large picture's size for type: the one asked for, or the largest of its proportions
// the type's encoder makes here.
QSize LargeSize(const TBenchType& type, QSize asked)
{
    const double pixels = double(asked.width()) * asked.height();
    if (type.largestPixels == 0 || pixels <= double(type.largestPixels))
        return asked;
    const double scale = std::sqrt(double(type.largestPixels) / pixels);
    return (QSizeF(asked) * scale).toSize();
}

void BenchMemory(const std::vector<TBenchType>& types, const TOptions& options, const std::string& folder)
{
    QDir().mkpath(QString::fromStdString(folder));
    const QSize asked(options.largeWidth, options.largeHeight);
    std::vector<std::string> paths;
    std::vector<QSize> sizes;
    {
        // Let go before the children are forked, so they start small.
        const QImage photo = PhotoLikeBitmap(asked.width(), asked.height()).Image();
        for (const TBenchType& type : types) {
            const QSize size = LargeSize(type, asked);
            const QImage image = size == asked ? photo : PhotoLikeBitmap(size.width(), size.height()).Image();
            // As a camera writes it: a DNG with its full-size preview, which the viewer shows.
            paths.push_back(WriteBoardPicture(type, image, folder + "/large." + type.extension, true));
            sizes.push_back(size);
        }
    }
    for (std::size_t i = 0; i < types.size(); ++i) {
        const char* key = types[i].key.c_str();
        const QSize size = sizes[i];
        if (size != asked)
            std::printf("%-5s memory: its encoder cannot make %d x %d on this machine; the largest it makes: %d x %d\n",
                        key, asked.width(), asked.height(), size.width(), size.height());
        const TChildMemory memory = PaintedMemory(paths[i], {1600, 900}, 1);
        QFile::remove(QString::fromStdString(paths[i]));
        if (memory.peakKiB < 0) {
            std::printf("%-5s memory: the clean copy of %d x %d failed FAIL\n", key, size.width(), size.height());
            continue;
        }
        const double bitmapKiB = 4.0 * size.width() * size.height() / 1024.0;
        const double rise = memory.peakKiB - memory.beforeKiB;
        std::printf("%-5s memory: %d x %d shown: peak %8.1f MB above the %6.1f MB before; its bitmap %8.1f MB: "
                    "%5.2f x (goal <= 1.5 x) %s\n",
                    key, size.width(), size.height(), rise / 1024, memory.beforeKiB / 1024.0, bitmapKiB / 1024,
                    rise / bitmapKiB, Verdict(rise <= 1.5 * bitmapKiB));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const TOptions options = ReadOptions(argc, argv);
    QTemporaryDir dir;
    PrepareWindowBench(dir);
    QApplication app(argc, argv);
    RegisterJPEGImage();
    SetAllPictureTypes(true);
    const int cores = QThread::idealThreadCount();
    const std::vector<TBenchType> types = ChosenTypes(options.types);
    const std::string root = dir.path().toStdString();
    std::printf("%d x %d pictures, %d per type on the board, %d x %d for memory, %d cores\n", options.width,
                options.height, options.count, options.largeWidth, options.largeHeight, cores);

    // First: the children are forked before any worker thread is started.
    if (options.memory)
        BenchMemory(types, options, root + "/large");

    std::vector<TTypeFiles> files;
    {
        const QImage photo = PhotoLikeBitmap(options.width, options.height).Image();
        for (const TBenchType& type : types)
            files.push_back(WriteTypeFiles(type, photo, root + "/" + type.key));
    }
    if (options.viewer)
        for (const TTypeFiles& type : files)
            BenchViewer(type, options.repeat);
    if (options.board)
        for (const TTypeFiles& type : files)
            BenchBoard(type, root + "/board-" + type.type.key, options.count, cores);
    return 0;
}
