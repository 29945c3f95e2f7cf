#include "toolkit/StatusProgress.h"

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
    bar->setMaximum(total);
    bar->setValue(done);
}
