// lumora_board_bench [--size WxH] [--rows N,M] [--distinct K]
// The thumbnail board on corpora of photo-like JPEGs (4000 x 3000 unless told; K = 5
// distinct pictures, one in five progressive, hard-linked under N and M names, 500 and
// 10,000 unless told), each figure against a bound measured in the same run. The
// pictures have no camera preview, and every cold build finds the shared thumbnail
// cache empty, so it decodes them all (a second visit is lumora_photo_bench's):
//   (a) the time a build takes until every thumbnail is placed with its size and hint,
//       and until the first screen of them is;
//   (b) the time from then until every thumbnail in view has its pixels and the board
//       is painted, against the sum of 1/8-scale decodes of those files over the cores,
//       and against the same sum at the scale the board decodes at (the shared cache's
//       128-pixel thumbnail must be covered: 1/4 for small pictures, whose eighth is less);
//   (c) the time until all of the first corpus is decoded, against the same bound for
//       all of it, on every core and on one;
//   (d) a warm rebuild (everything cached) against the cold build and decode;
//   (e) the peak resident memory the largest corpus adds to the program's own;
//   (f) on the largest corpus, the Remove of one row (its handler, the board kept in
//       step) and a header click's sort: the selection list's share (its rows changed,
//       laid out and painted);
//   (g) a Directory Show folder change to the largest corpus's folder: the time until
//       the first screen of thumbnails is painted, and the longest the event loop waits
//       meanwhile and until every thumbnail is placed, measured by a 5 ms timer.

#include "browse/PictureSet.h"
#include "BenchArgs.h"
#include "BenchTiming.h"
#include "BoardDriver.h"
#include "PhotoCorpus.h"
#include "WindowBench.h"
#include "Forms.h"
#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "imaging/DisplayCopy.h"
#include "imaging/JPEGImage.h"
#include "thumbs/window/ThumbBoard.h"
#include "toolkit/WorkerPool.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The selection list's share of a change: the change, the list's layout and a paint.
double ListMilliseconds(const std::function<void()>& change)
{
    return Milliseconds([&] {
        change();
        QCoreApplication::processEvents();
        frmMain->ListView1->viewport()->grab();
    });
}

void SelectMiddleRow()
{
    frmMain->ListView1->selectRow(frmMain->Pictures().Count() / 2);
}

struct TFolderChange {
    double firstScreen = 0;  // its thumbnails painted
    double longestWait = 0;  // the longest the event loop left a 5 ms timer waiting past its time
};

// Switches to Directory Show and opens folder in the tree, until every thumbnail is placed.
TFolderChange ChangeFolder(const std::string& folder, int rows)
{
    ShowDirectoryLayout();
    TFolderChange change;
    QTimer ticker;
    auto last = std::chrono::steady_clock::now();
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = std::chrono::steady_clock::now();
        change.longestWait =
            std::max(change.longestWait, std::chrono::duration<double, std::milli>(now - last).count() - 5);
        last = now;
    });
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.start(5);
    const auto start = std::chrono::steady_clock::now();
    frmMain->CDirectoryOutline1->SetDirectory(folder);
    while (!Board() || !ViewHasPixels(rows))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Board()->viewport()->grab();
    change.firstScreen = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    while (frmMain->Busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return change;
}

}  // namespace

int main(int argc, char** argv)
{
    int width = 4000, height = 3000, distinctCount = 5;
    std::vector<int> rowCounts{500, 10000};
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadCountOption(argc, argv, "--distinct", distinctCount);
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--rows") != 0)
            continue;
        rowCounts.clear();
        std::stringstream list(argv[i + 1]);
        for (std::string n; std::getline(list, n, ',');)
            rowCounts.push_back(std::max(1, std::stoi(n)));
    }
    QTemporaryDir dir;
    PrepareWindowBench(dir);
    QApplication app(argc, argv);
    RegisterJPEGImage();
    const int cores = QThread::idealThreadCount();

    // The distinct pictures, and one 1/8-scale decode of each (median of three) as the yardstick.
    std::vector<std::string> distinct;
    std::vector<double> eighth, covering;
    int coveringScale = 8;
    for (int k = 0; k < distinctCount; ++k) {
        TJPEGImage jpeg;
        jpeg.SetWriteProgressive(k == 0);
        jpeg.Assign(PhotoLikeBitmap(width + 8 * k, height));
        distinct.push_back(dir.filePath(QString("distinct%1.jpg").arg(k)).toStdString());
        jpeg.SaveToFile(distinct.back());
        eighth.push_back(EighthDecodeMilliseconds(distinct.back()));
        const QSize picture(width + 8 * k, height);
        coveringScale = CoveringScaleDenominator(picture, picture.scaled(128, 128, Qt::KeepAspectRatio));
        covering.push_back(ScaledDecodeMilliseconds(distinct.back(), coveringScale));
    }
    std::printf("%d x %d JPEGs, %d distinct (1 progressive), %d cores\n", width, height, distinctCount, cores);

    std::vector<TCorpus> corpora;
    for (std::size_t c = 0; c < rowCounts.size(); ++c)
        corpora.push_back(MakeCorpus(dir.filePath(QString("corpus%1").arg(c)).toStdString(), rowCounts[c], distinct));

    // (c) on one core, then everything else on all of them.
    const TCorpus& first = corpora.front();
    const int firstRows = static_cast<int>(first.names.size());
    // Every build below decodes: the shared thumbnails the one before made are gone.
    WorkerPool().setMaxThreadCount(1);
    ForgetSharedThumbnails();
    OpenWindows();
    const TRun oneCore = RunBoard(first, true);
    DestroyForms();
    WorkerPool().setMaxThreadCount(cores);
    ForgetSharedThumbnails();
    OpenWindows();
    const TRun cold = RunBoard(first, true);
    TRun warm;
    warm.build = Milliseconds([] { BuildAndPlace(); });
    warm.all = warm.build + Milliseconds(DecodeAll);
    const double allBound = DecodeBound(first, firstRows, eighth, cores);
    const int shown = RowsShown(firstRows);
    const double viewBound = DecodeBound(first, shown, eighth, cores);
    const double viewCovering = DecodeBound(first, shown, covering, cores);
    const double allCovering = DecodeBound(first, firstRows, covering, cores);
    std::printf("(a) %5d rows: every thumbnail placed in %9.1f ms              (goal for 10,000: < 1000 ms)\n",
                firstRows, cold.build);
    std::printf("(b) %5d thumbnails in view painted after %8.1f ms; bound %8.1f ms: %5.2f x (goal <= 1.3 x); "
                "at 1/%d %8.1f ms: %5.2f x\n",
                shown, cold.view, viewBound, cold.view / viewBound, coveringScale, viewCovering,
                cold.view / viewCovering);
    std::printf("(c) %5d decoded after %8.1f ms; bound %8.1f ms: %5.2f x (goal <= 1.15 x); at 1/%d %8.1f ms: "
                "%5.2f x; one core %8.1f ms, speed-up %4.2f x\n",
                firstRows, cold.all, allBound, cold.all / allBound, coveringScale, allCovering,
                cold.all / allCovering, oneCore.all, oneCore.all / cold.all);
    std::printf("(d) warm rebuild %8.1f ms against cold %8.1f ms: %5.2f %% (goal < 5 %%)\n", warm.all,
                cold.build + cold.all, 100.0 * warm.all / (cold.build + cold.all));
    DestroyForms();

    for (std::size_t c = 1; c < corpora.size(); ++c) {
        ForgetSharedThumbnails();
        OpenWindows();
        const double own = StatusMegabytes("VmRSS:");
        ResetPeakMemory();
        const TRun large = RunBoard(corpora[c], true);
        const double peak = StatusMegabytes("VmHWM:");
        const std::size_t rows = corpora[c].names.size();
        std::printf("(a) %5zu rows: every thumbnail placed in %9.1f ms (goal: < 1000 ms), the first screen in %7.1f ms "
                    "(goal: < 200 ms)\n",
                    rows, large.build, large.firstScreen);
        std::printf("(e) %5zu rows: view painted after %8.1f ms, decoding done after %8.1f ms; peak resident "
                    "memory %7.1f MB above the program's own %6.1f MB (goal < 200 MB)\n",
                    rows, large.view, large.all, peak - own, own);
        SelectMiddleRow();
        const double removeHandler = ListMilliseconds([] {
            frmMain->sbRemoveClick();
            while (frmMain->Busy())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            Board()->viewport()->grab();
        });
        const double sortByte = ListMilliseconds([] { frmMain->ListView1ColumnClick(2); });
        const double sortName = ListMilliseconds([] { frmMain->ListView1ColumnClick(1); });
        std::printf("(f) %5zu rows: Remove of one row, the board kept in step %7.1f ms (goal < 100 ms); header-click "
                    "sort by Byte %7.1f ms, by File Name %7.1f ms (goal < 200 ms)\n",
                    rows, removeHandler, sortByte, sortName);
        DestroyForms();

        ForgetSharedThumbnails();
        OpenWindows();
        const TFolderChange change = ChangeFolder(corpora[c].folder, static_cast<int>(rows));
        std::printf("(g) %5zu rows: Directory Show folder change: first screen painted after %8.1f ms (goal <= 1500 "
                    "ms); the event loop waited at most %6.1f ms (goal <= 50 ms)\n",
                    rows, change.firstScreen, change.longestWait);
        DestroyForms();
    }
    return 0;
}
