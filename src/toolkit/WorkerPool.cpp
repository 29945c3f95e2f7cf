#include "toolkit/WorkerPool.h"

#include <QThreadPool>

QThreadPool& WorkerPool()
{
    static QThreadPool pool;
    return pool;
}
