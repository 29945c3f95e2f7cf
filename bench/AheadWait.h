#pragma once
// A copy asked of the decode ahead as the viewer and the slide show ask for one: it is
// answered at once when it was made ahead, else when it lands through the event loop,
// which the bench lets run meanwhile.

#include "viewer/DecodeAhead.h"

#include <QCoreApplication>

#include <memory>
#include <optional>

// Lets the event loop run until nothing of ahead is under way.
inline void WaitForLanding(const TDecodeAhead& ahead)
{
    while (!ahead.Idle())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// request's copy, as soon as it is answered.
inline TDisplayCopy AskAndWait(TDecodeAhead& ahead, const TDisplayRequest& request)
{
    // Shared with the answer: a file changed on disk is answered a second time, later.
    const auto answered = std::make_shared<std::optional<TDisplayCopy>>();
    ahead.Ask(request, [answered](const TDisplayCopy& copy) {
        if (!*answered)
            *answered = copy;
    });
    while (!*answered)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return **answered;
}
