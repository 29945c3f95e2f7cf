// lumora_photo_bench [--size WxH] [--rows N]
// The thumbnail board on a folder of camera pictures: photo-like JPEGs (4000 x 3000
// unless told; 5 distinct pictures with EXIF orientations 1, 1, 6, 1, 8), each with the
// 160 x 120 preview a camera stores in its EXIF block the way it stores the main pixels,
// hard-linked under N names (10,000 unless told). $XDG_CACHE_HOME is a fresh folder of
// the bench's own, so the shared thumbnail cache starts empty. Each visit runs in a
// process of its own (the bench run again with --visit): a new main window in Directory
// Show opens the folder, then the board is scrolled down view by view, each view waited
// for until its thumbnails have their pixels and it is painted. Against the sum of
// 1/8-scale decodes of the N files over the cores (each the median of three):
//   (i)   a first visit: the time until every thumbnail has been painted;
//   (ii)  a second visit, finding the shared cache the first one filled;
//   (iii) the peak resident memory of both against that of a first visit to the same
//         pictures without their previews and with no shared cache to use
//         ($XDG_CACHE_HOME a regular file), as the board worked before either.
// The viewer's step to a picture its orientation turns is in lumora_viewer_bench.

#include "BenchArgs.h"
#include "BoardDriver.h"
#include "PhotoCorpus.h"
#include "WindowBench.h"
#include "Forms.h"
#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"
#include "thumbs/window/ThumbBoard.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kOrientations[] = {1, 1, 6, 1, 8};
constexpr int kPreviewWidth = 160, kPreviewHeight = 120;

struct TVisit {
    double all = 0;        // every thumbnail painted
    double firstView = 0;  // the first view painted
    double peakMegabytes = 0;
};

// Opens folder in Directory Show and scrolls down the board view by view.
TVisit VisitFolder(const std::string& folder, int rows)
{
    OpenWindows();
    ShowDirectoryLayout();
    TVisit visit;
    const auto start = std::chrono::steady_clock::now();
    const auto since = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    frmMain->CDirectoryOutline1->SetDirectory(folder);
    for (;;) {
        while (!Board() || !ViewHasPixels(rows))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        Board()->viewport()->grab();
        // The controls the board retired deleted, as the program's own event loop deletes
        // them between a user's scrolls; this loop inside one call would keep them all.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (visit.firstView == 0)
            visit.firstView = since();
        if (RowsOfView(rows).second >= rows - 1)
            break;
        QScrollBar* bar = Board()->verticalScrollBar();
        const int next = bar->value() + Board()->viewport()->height();
        while (bar->maximum() < next && frmMain->Busy())  // not placed that far yet
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        bar->setValue(next);
    }
    visit.all = since();
    visit.peakMegabytes = StatusMegabytes("VmHWM:");
    DestroyForms();
    return visit;
}

// The child's side: one visit, its figures written to stdout for the parent.
int RunVisit(int argc, char** argv, const std::string& folder)
{
    int rows = 1;
    ReadCountOption(argc, argv, "--rows", rows);
    QTemporaryDir dir;
    PrepareWindowBench(dir, TBenchCache::Inherited);  // the parent's, filled or unusable
    QApplication app(argc, argv);
    RegisterJPEGImage();
    const TVisit visit = VisitFolder(folder, rows);
    std::printf("%f %f %f\n", visit.all, visit.firstView, visit.peakMegabytes);
    return 0;
}

// The parent's side: a visit in a new process with $XDG_CACHE_HOME at cacheHome.
TVisit Visit(const TCorpus& corpus, const QString& cacheHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CACHE_HOME", cacheHome);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {"--visit", QString::fromStdString(corpus.folder), "--rows", QString::number(corpus.names.size())});
    child.waitForFinished(-1);
    TVisit visit;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf %lf", &visit.all, &visit.firstView,
                    &visit.peakMegabytes) != 3) {
        std::fprintf(stderr, "a visit to %s failed\n", corpus.folder.c_str());
        std::exit(1);
    }
    return visit;
}

int CountFiles(const QString& folder)
{
    int count = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++count;
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--visit") == 0)
            return RunVisit(argc, argv, argv[i + 1]);

    int width = 4000, height = 3000, rows = 10000;
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadCountOption(argc, argv, "--rows", rows);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    // Before anything reads it: the shared cache of this run only.
    const QString cacheHome = dir.filePath("cache");
    QDir().mkpath(cacheHome);
    qputenv("XDG_CACHE_HOME", cacheHome.toLocal8Bit());
    QCoreApplication app(argc, argv);
    const int cores = QThread::idealThreadCount();

    // Each distinct picture with its preview, and without it as the yardstick of memory.
    std::vector<std::string> cameraFiles, plainFiles;
    std::vector<double> eighth;
    for (std::size_t k = 0; k < std::size(kOrientations); ++k) {
        const int shift = 8 * static_cast<int>(k);  // a different picture each time
        const TBitmap photo(PhotoLikeBitmap(width + shift, height).Image().copy(shift, 0, width, height));
        const QByteArray jpeg = EncodeJPEG(photo, {});
        const QByteArray preview = EncodeJPEG(
            TBitmap(photo.Image().scaled(kPreviewWidth, kPreviewHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
            {});
        cameraFiles.push_back(dir.filePath(QString("camera%1.jpg").arg(k)).toStdString());
        WriteFileBytes(cameraFiles.back(), WithApp1(jpeg, ExifWithPreview(kOrientations[k], preview)));
        plainFiles.push_back(dir.filePath(QString("plain%1.jpg").arg(k)).toStdString());
        WriteFileBytes(plainFiles.back(), WithApp1(jpeg, ExifWithOrientation(kOrientations[k])));
        eighth.push_back(EighthDecodeMilliseconds(cameraFiles.back()));
    }
    const TCorpus camera = MakeCorpus(dir.filePath("camera").toStdString(), rows, cameraFiles);
    const TCorpus plain = MakeCorpus(dir.filePath("plain").toStdString(), rows, plainFiles);
    const double bound = DecodeBound(camera, rows, eighth, cores);
    std::printf("%d x %d JPEGs with %d x %d EXIF previews, %zu distinct (orientations 1, 1, 6, 1, 8) under %d "
                "names, %d cores; 1/8-scale decodes of them over the cores %9.1f ms\n",
                width, height, kPreviewWidth, kPreviewHeight, std::size(kOrientations), rows, cores, bound);

    const TVisit first = Visit(camera, cacheHome);
    std::printf("(i)   first visit:  every thumbnail painted after %9.1f ms (the first view %7.1f ms): %6.3f x the "
                "decodes (goal <= 0.10 x)\n",
                first.all, first.firstView, first.all / bound);
    const int cached = CountFiles(cacheHome + "/thumbnails");
    const TVisit second = Visit(camera, cacheHome);
    std::printf("(ii)  second visit: every thumbnail painted after %9.1f ms (the first view %7.1f ms): %6.3f x the "
                "decodes (goal <= 0.03 x); the shared cache held %d files\n",
                second.all, second.firstView, second.all / bound, cached);

    // A regular file where the cache folder would be: nothing can be cached under it.
    const QString noCache = dir.filePath("not-a-folder");
    WriteFileBytes(noCache.toStdString(), "");
    const TVisit before = Visit(plain, noCache);
    std::printf("(iii) peak resident memory: first visit %7.1f MB, second %7.1f MB; without previews or shared cache "
                "%7.1f MB (its visit %9.1f ms, %6.3f x the decodes): %5.2f x and %5.2f x (goal <= 1.00 x)\n",
                first.peakMegabytes, second.peakMegabytes, before.peakMegabytes, before.all, before.all / bound,
                first.peakMegabytes / before.peakMegabytes, second.peakMegabytes / before.peakMegabytes);
    return 0;
}
