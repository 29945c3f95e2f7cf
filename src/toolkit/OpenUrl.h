#pragma once
// Asking the desktop to open an address: a mailto: address opens a new mail message in
// the user's mail program. Tests install an opener of their own, so nothing is opened.

#include <QUrl>

#include <functional>

using TUrlOpener = std::function<bool(const QUrl& url)>;

// Opens url through the opener in force (the desktop's by default); false when nothing
// could open it.
bool OpenUrl(const QUrl& url);

// Installs an opener and returns the one it replaces; an empty opener means the desktop's.
TUrlOpener SetUrlOpener(TUrlOpener opener);
