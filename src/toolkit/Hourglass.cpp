#include "toolkit/Hourglass.h"

#include <QCursor>
#include <QGuiApplication>

THourglass::THourglass()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

THourglass::~THourglass()
{
    QGuiApplication::restoreOverrideCursor();
}
