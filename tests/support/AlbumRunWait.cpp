#include "support/AlbumRunWait.h"

#include <QEventLoop>

void MakeAlbumAndWait(const TAlbumInputs& inputs, const TProgressStart& startProgress, QThreadPool* pool)
{
    TAlbumRun run(pool);
    QEventLoop loop;
    bool ended = false;
    run.Start(inputs, startProgress, [&] {
        ended = true;
        loop.quit();
    });
    if (!ended)
        loop.exec();
}
