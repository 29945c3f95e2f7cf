#include "toolkit/Dialogs.h"

#include <stdexcept>

namespace {
TDialogs* g_installed = nullptr;
}

TDialogs& Dialogs()
{
    // A window-free unit may ask before any dialogs exist; that is a fault, never a
    // silent no-op that would hide a message from the user.
    if (!g_installed)
        throw std::logic_error("No dialogs are installed");
    return *g_installed;
}

TDialogs* SetDialogs(TDialogs* dialogs)
{
    TDialogs* const previous = g_installed;
    g_installed = dialogs;
    return previous;
}
