#include "support/DecoderWait.h"

#include "thumbs/ThumbDecoder.h"
#include "viewer/DecodeAhead.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace {

template <class Decoder>
bool WaitUntilIdle(const Decoder& decoder)
{
    QTimer wake;  // the wait for more events ends at least this often
    wake.start(50);
    const QDeadlineTimer deadline(60'000);
    while (!decoder.Idle() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return decoder.Idle();
}

}  // namespace

bool WaitForDecoder(const TThumbDecoder& decoder)
{
    return WaitUntilIdle(decoder);
}

bool WaitForDecoder(const TDecodeAhead& ahead)
{
    return WaitUntilIdle(ahead);
}
