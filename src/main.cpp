// Lumora: a desktop picture browser.

#include "Forms.h"
#include "app/CommandLine.h"
#include "app/window/UnitMain.h"
#include "imaging/JPEGImage.h"
#include "toolkit/window/Application.h"
#include "toolkit/Errors.h"

#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    // The options answer before anything needs a display.
    const TCommandLine line = ReadCommandLine({argv + 1, argv + argc});
    if (line.status) {
        std::fputs(line.out.c_str(), stdout);
        std::fputs(line.err.c_str(), stderr);
        return *line.status;
    }
    // Qt is given no argument, so it takes none of the paths for an option of its own.
    int qtArgc = 1;
    TApplication app(qtArgc, argv);
    RegisterJPEGImage();
    try {
        CreateForms();
    } catch (...) {
        // A window that cannot be made leaves nothing to run.
        ShowHandlerException(std::current_exception());
        DestroyForms();
        return 1;
    }
    // Without a window manager nothing maximises the window, so it is given the
    // whole screen first.
    frmMain->setGeometry(frmMain->screen()->availableGeometry());
    frmMain->showMaximized();
    // Once the window is up, so that a message about what cannot be opened stands over it.
    QTimer::singleShot(0, frmMain, [&line] { Guarded([&line] { frmMain->OpenCommandLine(line.paths); }); });
    const int status = app.exec();
    DestroyForms();
    return status;
}
