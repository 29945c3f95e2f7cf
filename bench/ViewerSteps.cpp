#include "ViewerSteps.h"

#include "AheadWait.h"
#include "BenchTiming.h"
#include "imaging/JPEGImage.h"
#include "viewer/DecodeAhead.h"

#include <QImage>
#include <QPainter>

#include <vector>

TDisplayRequest CleanRequest(const std::string& path)
{
    return {path, {}, nullptr, JPEGDefaults(), true};
}

TBitmap SetPicture(const TDisplayCopy& copy)
{
    return TBitmap::Holding(copy.image);
}

TStep MeasureStep(const std::string& path, int repeat)
{
    TDecodeAhead ahead(2, kDecodeAheadBytes);
    std::vector<double> inStep, decodedAhead;
    for (int i = 0; i < repeat; ++i) {
        inStep.push_back(Milliseconds([&] { SetPicture(AskAndWait(ahead, CleanRequest(path))); }));
        ahead.Ahead(CleanRequest(path));
        WaitForLanding(ahead);  // the previous picture is up
        decodedAhead.push_back(Milliseconds([&] { SetPicture(AskAndWait(ahead, CleanRequest(path))); }));
        WaitForLanding(ahead);  // its file is looked at again
    }
    return {Median(inStep), Median(decodedAhead)};
}

TChildMemory PaintedMemory(const std::string& path, QSize view, int zoom)
{
    return ChildMemory([&] {
        const TBitmap picture = SetPicture(MakeDisplayCopy(CleanRequest(path)));
        QImage frame(view, QImage::Format_RGB32);
        const QSizeF shown(picture.Width() * zoom, picture.Height() * zoom);
        const QRectF target{QPointF(), QSizeF(view)};
        const QPointF scroll((shown.width() - view.width()) / 2, (shown.height() - view.height()) / 2);
        const QRectF source(scroll / zoom, target.size() / zoom);
        QPainter painter(&frame);
        picture.DrawPart(painter, target, source, TDrawFilter::Sharp);
        painter.end();
        return !picture.Empty() && !frame.isNull();
    });
}
