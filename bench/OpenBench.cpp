// lumora_open_bench [--size WxH] [--rows N] [--repeat K]
// Lumora opened on one picture, as a file manager's "Open With" opens it: each start is a
// process of its own (the bench run again with --visit) that does what the program's
// main does with the picture on its command line. The picture is the middle one of a
// folder of 10 and of a folder of N (30,000 unless told) photo-like JPEGs (4000 x 3000
// unless told, hard-linked). From the moment the process is started, the median of K
// starts (3 unless told):
//   (i)  until the viewer has painted the picture, in the large folder against the small;
//   (ii) until the large folder's rows are all in the selection, and that against (i).

#include "BenchArgs.h"
#include "BenchTiming.h"
#include "BoardDriver.h"
#include "PhotoCorpus.h"
#include "WindowBench.h"
#include "Forms.h"
#include "app/window/UnitMain.h"
#include "browse/PictureSet.h"
#include "imaging/JPEGCodec.h"
#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"
#include "toolkit/window/Application.h"
#include "viewer/window/UnitShow.h"

#include <QCoreApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;  // one clock for every process on the machine

long long Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(TClock::now().time_since_epoch()).count();
}

// The child's side: main's own steps, then the clock read when the viewer has painted
// its picture and when the folder's rows are all in.
int RunVisit(char** argv, const std::string& picture, int rows)
{
    QTemporaryDir dir;
    PrepareWindowBench(dir);
    int qtArgc = 1;
    TApplication app(qtArgc, argv);
    RegisterJPEGImage();
    CreateForms();
    frmMain->setGeometry(frmMain->screen()->availableGeometry());
    frmMain->showMaximized();
    QTimer::singleShot(0, frmMain, [&] { frmMain->OpenCommandLine({picture}); });
    long long painted = 0, gathered = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // Panel 0 gives the picture's size once its pixels are on the viewer.
        if (!painted && frmShow->isVisible() && !frmShow->PanelText(0).isEmpty()) {
            frmShow->grab();
            painted = Now();
        }
        if (!gathered && frmMain->Pictures().Count() == rows && !frmMain->Busy())
            gathered = Now();
        if (painted && gathered)
            QCoreApplication::quit();
    });
    poll.start(1);
    app.exec();
    std::printf("%lld %lld\n", painted, gathered);
    DestroyForms();
    return 0;
}

struct TStart {  // ms from the process start
    double painted = 0;
    double gathered = 0;
};

TStart Start(const TCorpus& corpus, const QString& home)
{
    const std::string picture = corpus.folder + "/" + corpus.names[corpus.names.size() / 2];
    QProcess child;
    child.setWorkingDirectory(home);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long started = Now();
    child.start(QCoreApplication::applicationFilePath(),
                {"--visit", QString::fromStdString(picture), "--rows", QString::number(corpus.names.size())});
    child.waitForFinished(-1);
    long long painted = 0, gathered = 0;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        std::sscanf(child.readAllStandardOutput().constData(), "%lld %lld", &painted, &gathered) != 2) {
        std::fprintf(stderr, "a start on %s failed\n", picture.c_str());
        std::exit(1);
    }
    return {static_cast<double>(painted - started) / 1e6, static_cast<double>(gathered - started) / 1e6};
}

}  // namespace

int main(int argc, char** argv)
{
    int rows = 30000, width = 4000, height = 3000, repeat = 3;
    ReadCountOption(argc, argv, "--rows", rows);
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--visit") == 0)
            return RunVisit(argv, argv[i + 1], rows);
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadCountOption(argc, argv, "--repeat", repeat);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string photo = dir.filePath("photo.jpg").toStdString();
    WriteFileBytes(photo, EncodeJPEG(PhotoLikeBitmap(width, height), {}));
    const TCorpus small = MakeCorpus(dir.filePath("small").toStdString(), 10, {photo});
    const TCorpus large = MakeCorpus(dir.filePath("large").toStdString(), rows, {photo});
    std::printf("%d x %d JPEG, the middle picture of %d and of %zu, median of %d starts\n", width, height, rows,
                small.names.size(), repeat);

    std::vector<double> smallPainted, largePainted, largeGathered, lag;
    for (int r = 0; r < repeat; ++r) {
        smallPainted.push_back(Start(small, dir.path()).painted);
        const TStart start = Start(large, dir.path());
        largePainted.push_back(start.painted);
        largeGathered.push_back(start.gathered);
        lag.push_back(start.gathered - start.painted);
    }
    const double a = Median(smallPainted), b = Median(largePainted);
    std::printf("(i)  the viewer painted on the picture: in a folder of %zu after %7.1f ms, in a folder of %d after "
                "%7.1f ms from the start: %5.2f x (goal <= 1.2 x)\n",
                small.names.size(), a, rows, b, b / a);
    std::printf("(ii) the folder's %d rows all in the selection %7.1f ms after the start, %+7.1f ms from the "
                "viewer's paint (goal < +1000 ms)\n",
                rows, Median(largeGathered), Median(lag));
    return 0;
}
