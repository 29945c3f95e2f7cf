// lumora_a11y_bench [--size WxH] [--rows N] [--distinct K]
// The main window shown, in the Select Show layout, on a folder of N small JPEGs (3,000
// of 320 x 240 unless told; K = 4 distinct pictures hard-linked under every name), and
// the time each of these takes until the program answers again: the handler returned,
// everything it left pending handled, and the window painted:
//   (1) Add All of the folder's files;
//   (2) Show Thumb, until the build has ended and the board is painted;
//   (3) Remove of one row in the middle of the selection list.
// Each with the processor time the program spent meanwhile, on all its threads.
// Meant to be run with a screen reader's accessibility bridge active (a11y-bench.sh
// starts one) and without, to compare; the first line says whether it is.

#include "browse/PictureSet.h"
#include "BenchArgs.h"
#include "BenchTiming.h"
#include "BoardDriver.h"
#include "PhotoCorpus.h"
#include "WindowBench.h"
#include "Forms.h"
#include "app/window/UnitMain.h"
#include "browse/window/DirectoryOutline.h"
#include "browse/window/FileListBox.h"
#include "browse/window/SelectionList.h"
#include "browse/SelectionModel.h"
#include "imaging/JPEGImage.h"
#include "thumbs/window/ThumbBoard.h"

#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

void WaitWhileBusy()
{
    while (frmMain->Busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Until the program answers again: a zero timer posted now fires only once the event
// loop has handled what the handler left pending; then the window is painted.
void WaitForAnswer()
{
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = true; });
    while (!answered)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    frmMain->grab();
}

// The processor time of every thread of the program, in milliseconds: on a machine
// shared with other work it tells the program's own cost apart from waiting its turn.
double ProcessorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void Answer(const char* what, const std::function<void()>& handler)
{
    const double processorStart = ProcessorMilliseconds();
    const double ms = Milliseconds([&] {
        handler();
        WaitWhileBusy();
        WaitForAnswer();
    });
    std::printf("%-46s %9.1f ms (goal <= 300 ms)%s; processor %8.1f ms\n", what, ms, ms <= 300 ? "" : "  OVER",
                ProcessorMilliseconds() - processorStart);
}

}  // namespace

int main(int argc, char** argv)
{
    int width = 320, height = 240, rows = 3000, distinctCount = 4;
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadCountOption(argc, argv, "--rows", rows);
    ReadCountOption(argc, argv, "--distinct", distinctCount);
    QTemporaryDir dir;
    PrepareWindowBench(dir);
    QApplication app(argc, argv);
    RegisterJPEGImage();

    std::vector<std::string> distinct;
    for (int k = 0; k < distinctCount; ++k) {
        TJPEGImage jpeg;
        jpeg.Assign(PhotoLikeBitmap(width + 8 * k, height));
        distinct.push_back(dir.filePath(QString("distinct%1.jpg").arg(k)).toStdString());
        jpeg.SaveToFile(distinct.back());
    }
    const std::string folder = dir.filePath("corpus").toStdString();
    MakeCorpus(folder, rows, distinct);

    CreateForms();
    frmMain->show();
    frmMain->CDirectoryOutline1->SetDirectory(folder);
    WaitWhileBusy();
    WaitForAnswer();
    std::printf("%d JPEGs of %d x %d (%d distinct) on %s; the file list shows %d; accessibility bridge %s\n", rows,
                width, height, distinctCount, qPrintable(QGuiApplication::platformName()),
                frmMain->FileListBox1->Count(), QAccessible::isActive() ? "ACTIVE" : "not active");

    Answer("(1) Add All", [] { frmMain->sbAddAllClick(); });
    Answer("(2) Show Thumb, the build ended and painted", [] { frmMain->sbThumbClick(); });
    frmMain->ListView1->selectRow(frmMain->Pictures().Count() / 2);
    WaitForAnswer();
    const int before = frmMain->Pictures().Count();
    Answer("(3) Remove of one row in the middle", [] { frmMain->sbRemoveClick(); });
    std::printf("rows %d -> %d, thumbnails %d, accessibility bridge %s\n", before, frmMain->Pictures().Count(),
                frmMain->Board() ? frmMain->Board()->ThumbCount() : 0,
                QAccessible::isActive() ? "ACTIVE" : "not active");
    DestroyForms();
    return 0;
}
