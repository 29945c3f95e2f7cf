#include "toolkit/window/Application.h"

#include "toolkit/Errors.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // No display name: Qt would append it to every window caption.
    setApplicationName("lumora");
    SetDialogs(&dialogs_);
}

TApplication::~TApplication()
{
    SetDialogs(nullptr);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowHandlerException(std::current_exception());
        return true;
    }
}
