#include "toolkit/Dialogs.h"

#include "toolkit/QtDialogs.h"

namespace {
TDialogs* g_installed = nullptr;
}

TDialogs& Dialogs()
{
    static TQtDialogs qtDialogs;
    return g_installed ? *g_installed : qtDialogs;
}

void SetDialogs(TDialogs* dialogs)
{
    g_installed = dialogs;
}
