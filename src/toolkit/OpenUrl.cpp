#include "toolkit/OpenUrl.h"

#include <QDesktopServices>

#include <utility>

namespace {
TUrlOpener g_opener;
}

bool OpenUrl(const QUrl& url)
{
    return g_opener ? g_opener(url) : QDesktopServices::openUrl(url);
}

TUrlOpener SetUrlOpener(TUrlOpener opener)
{
    return std::exchange(g_opener, std::move(opener));
}
