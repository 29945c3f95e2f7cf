#include "support/DecoderWait.h"

#include "thumbs/ThumbDecoder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

bool WaitForDecoder(const TThumbDecoder& decoder)
{
    QTimer wake;  // the wait for more events ends at least this often
    wake.start(50);
    const QDeadlineTimer deadline(60'000);
    while (!decoder.Idle() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return decoder.Idle();
}
