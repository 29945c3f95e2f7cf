// Lumora: a desktop picture browser.

#include "Forms.h"
#include "app/UnitMain.h"
#include "imaging/JPEGImage.h"
#include "toolkit/Application.h"
#include "toolkit/Errors.h"

#include <QScreen>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
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
    const int status = app.exec();
    DestroyForms();
    return status;
}
