// lumora_viewer_bench [--size WxH] [--view WxH] [--repeat N] [--large WxH]
// The picture viewer on a baseline and a progressive photo-like JPEG (4000 x 3000 unless
// told):
//  - a step to the next picture: from the step to the picture being set, with the clean
//    copy decoded in the step (asked for and waited for until it lands) against the one
//    decoded ahead while the previous picture was up (that wait is not timed). Figures
//    are medians of the repetitions.
//  - the same step to the baseline picture stored on its side as cameras do, its EXIF
//    orientation 6 turning it upright, against the step to it with orientation 1.
//  - the peak memory of a process that loads the picture and paints its visible part
//    (a view of 1600 x 900 unless told) at 400 % against one that does so at 100 %.
//  - the peak memory of a process that goes through three large pictures (16000 x 12000
//    unless told) with the decode ahead as the viewer does, against its goal.

#include "AheadWait.h"
#include "BenchArgs.h"
#include "BenchTiming.h"
#include "PhotoCorpus.h"
#include "ViewerSteps.h"
#include "imaging/JPEGImage.h"
#include "support/PictureMakers.h"
#include "toolkit/Bitmap.h"
#include "viewer/DecodeAhead.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void BenchStep(const std::string& name, const std::string& path, int repeat)
{
    const TStep step = MeasureStep(path, repeat);
    std::printf("%-12s ShowNext, decoded in the step %8.2f ms | decoded ahead %8.3f ms | ahead/in step %6.2f %%\n",
                name.c_str(), step.inStep, step.ahead, 100.0 * step.ahead / step.inStep);
}

// A camera's picture stored on its side, its EXIF orientation 6 turning it upright,
// against the same bytes with orientation 1.
void BenchTurnedStep(const std::string& baseline, const std::string& folder, int repeat)
{
    QFile file(QString::fromStdString(baseline));
    file.open(QIODevice::ReadOnly);
    const QByteArray jpeg = file.readAll();
    std::vector<TStep> steps;
    for (const int orientation : {1, 6}) {
        const std::string path = folder + "/orientation" + std::to_string(orientation) + ".jpg";
        WriteFileBytes(path, WithApp1(jpeg, ExifWithOrientation(orientation)));
        steps.push_back(MeasureStep(path, repeat));
    }
    std::printf("orientation 6 against 1: decoded in the step %8.2f against %8.2f ms: %5.2f x (goal <= 1.1 x); "
                "decoded ahead %8.3f against %8.3f ms\n",
                steps[1].inStep, steps[0].inStep, steps[1].inStep / steps[0].inStep, steps[1].ahead, steps[0].ahead);
}

// Peak memory of a child that loads the picture and paints the middle of it into a view
// at the zoom.
long PeakKiB(const std::string& path, QSize view, int zoom)
{
    return PaintedMemory(path, view, zoom).peakKiB;
}

// Peak memory of a child that shows the first picture, decodes its neighbours ahead and
// steps to each next one as the viewer does: the picture shown stays until the next one
// replaces it, unless that one was not made ahead, and the user looks at each long enough for the decode ahead to finish.
long StepsPeakKiB(const std::vector<std::string>& paths)
{
    return ChildPeakKiB([&] {
        // The copies land through an event loop of the child's own.
        int argc = 1;
        char name[] = "lumora_viewer_bench";
        char* argv[] = {name, nullptr};
        const QCoreApplication app(argc, argv);
        TDecodeAhead ahead(2, kDecodeAheadBytes);
        TBitmap shown;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (!ahead.Holds(CleanRequest(paths[i])))
                shown = TBitmap();  // let go before a picture not made ahead is decoded
            shown = SetPicture(AskAndWait(ahead, CleanRequest(paths[i])));
            for (const std::size_t neighbour : {i + 1, i - 1})
                if (neighbour < paths.size())
                    ahead.Ahead(CleanRequest(paths[neighbour]));
            WaitForLanding(ahead);
        }
        return !shown.Empty();
    });
}

}  // namespace

int main(int argc, char** argv)
{
    int width = 4000, height = 3000, viewWidth = 1600, viewHeight = 900, repeat = 7;
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadSizeOption(argc, argv, "--view", viewWidth, viewHeight);
    ReadCountOption(argc, argv, "--repeat", repeat);
    int largeWidth = 16000, largeHeight = 12000;
    ReadSizeOption(argc, argv, "--large", largeWidth, largeHeight);

    QTemporaryDir dir;
    // The photo is let go once written, so the children measured below start small.
    const std::vector<TCorpusFile> files = WritePhotoJpegs(dir.path().toStdString(), width, height);
    std::printf("%d x %d pictures, a %d x %d view\n", width, height, viewWidth, viewHeight);
    // The children are forked before any worker thread is started.
    for (const TCorpusFile& file : files) {
        const long full = PeakKiB(file.path, {viewWidth, viewHeight}, 1);
        const long zoomed = PeakKiB(file.path, {viewWidth, viewHeight}, 4);
        std::printf("%-12s peak memory at 100 %% %8ld KiB | at 400 %% %8ld KiB | 400/100 %5.3f x\n",
                    file.name.c_str(), full, zoomed, double(zoomed) / double(full));
    }
    {
        QTemporaryDir largeDir;
        const std::vector<std::string> large =
            WritePhotoJpegCopies(largeDir.path().toStdString(), largeWidth, largeHeight, 3);
        const long peak = StepsPeakKiB(large);
        std::printf("3 pictures of %d x %d: peak memory stepping through them %8.1f MB (goal < 800 MB)\n",
                    largeWidth, largeHeight, peak / 1024.0);
    }
    // Only now: the children above are forked from a process without one.
    const QCoreApplication app(argc, argv);
    for (const TCorpusFile& file : files)
        BenchStep(file.name, file.path, repeat);
    BenchTurnedStep(files.front().path, dir.path().toStdString(), repeat);
    return 0;
}
