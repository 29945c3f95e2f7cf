// lumora_slide_bench [--size WxH] [--window WxH] [--repeat N]
// The time a slide show's tick takes to put up the next slide of a baseline and a
// progressive photo-like JPEG (4000 x 3000 unless told) in a window (1920 x 1080 unless
// told): the display copy decoded in the tick, against the copy decoded ahead during the
// interval. A tick asks for the copy and is timed until it is answered, at once when it
// was made ahead, else when it lands; the paint of the window's frame that follows is
// timed on its own. The interval's own work is not timed. Figures are medians of the
// repetitions.

#include "AheadWait.h"
#include "BenchArgs.h"
#include "BenchTiming.h"
#include "PhotoCorpus.h"
#include "imaging/JPEGImage.h"
#include "viewer/DecodeAhead.h"
#include "viewer/SlideLayout.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What the window shows after the tick.
void PaintFrame(QImage& frame, const TDisplayCopy& copy)
{
    frame.fill(Qt::darkGray);
    QPainter painter(&frame);
    painter.drawImage(copy.bounds, copy.image);
}

void BenchTick(const std::string& name, const std::string& path, QSize window, int repeat)
{
    const TDisplayRequest request{path, window, &SlideBounds, JPEGDefaults()};
    QImage frame(window, QImage::Format_RGB32);
    TDecodeAhead ahead(1, kDecodeAheadBytes);
    std::vector<double> inTick, decodedAhead, paint;
    for (int i = 0; i < repeat; ++i) {
        TDisplayCopy copy;
        inTick.push_back(Milliseconds([&] { copy = AskAndWait(ahead, request); }));
        paint.push_back(Milliseconds([&] { PaintFrame(frame, copy); }));
        ahead.Ahead(request);
        WaitForLanding(ahead);  // the interval
        decodedAhead.push_back(Milliseconds([&] { copy = AskAndWait(ahead, request); }));
        WaitForLanding(ahead);  // its file is looked at again
    }
    const double t = Median(inTick), a = Median(decodedAhead), p = Median(paint);
    std::printf("%-12s tick, decoded in the tick %8.2f ms | decoded ahead %8.3f ms | ahead/in tick %6.2f %%\n",
                name.c_str(), t, a, 100.0 * a / t);
    std::printf("%-12s with the frame's paint (%.2f ms): %8.2f ms | %8.3f ms | %6.2f %%\n", name.c_str(), p, t + p,
                a + p, 100.0 * (a + p) / (t + p));
}

}  // namespace

int main(int argc, char** argv)
{
    int width = 4000, height = 3000, windowWidth = 1920, windowHeight = 1080, repeat = 7;
    ReadSizeOption(argc, argv, "--size", width, height);
    ReadSizeOption(argc, argv, "--window", windowWidth, windowHeight);
    ReadCountOption(argc, argv, "--repeat", repeat);

    const QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const std::vector<TCorpusFile> files = WritePhotoJpegs(dir.path().toStdString(), width, height);
    std::printf("%d x %d pictures in a %d x %d window\n", width, height, windowWidth, windowHeight);
    for (const TCorpusFile& file : files)
        BenchTick(file.name, file.path, {windowWidth, windowHeight}, repeat);
    return 0;
}
