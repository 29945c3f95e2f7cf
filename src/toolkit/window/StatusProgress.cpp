#include "toolkit/window/StatusProgress.h"

#include <QProgressBar>
#include <QStatusBar>

TStatusProgress::TStatusProgress(QStatusBar* statusBar, int total, const QString& what)
    : statusBar(statusBar), bar(new QProgressBar)
{
    bar->setRange(0, total);
    bar->setValue(0);
    bar->setFormat("%v / %m");
    bar->setAccessibleName(what);
    statusBar->addPermanentWidget(bar);
}

TStatusProgress::~TStatusProgress()
{
    if (!bar)
        return;
    statusBar->removeWidget(bar);
    delete bar;
}

void TStatusProgress::Report(int done, int total)
{
    if (!bar)
        return;
    // The bar repaints at once on every new figure, and tells a screen reader of it: the
    // last figure reported before the event loop runs again is the one shown, once.
    const bool shownLater = shown.has_value();
    shown = {done, total};
    if (shownLater)
        return;
    // Dropped with the bar, which goes with this object or its window.
    QMetaObject::invokeMethod(
        bar,
        [this] {
            bar->setMaximum(shown->second);
            bar->setValue(shown->first);
            shown.reset();
        },
        Qt::QueuedConnection);
}
