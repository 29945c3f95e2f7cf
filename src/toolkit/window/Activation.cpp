#include "toolkit/window/Activation.h"

#include "toolkit/Errors.h"
#include "toolkit/window/Form.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWindow>

#include <utility>

namespace {

// The program's windows are the main window and the forms; boxes and dialogs are not.
QWidget* ProgramWindowOf(QWindow* window)
{
    if (!window)
        return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowHandle() == window)
            return dynamic_cast<TForm*>(w) || qobject_cast<QMainWindow*>(w) ? w : nullptr;
    return nullptr;
}

}  // namespace

TActivation::TActivation(QWidget* form, std::function<void()> handler)
    : QObject(form), form_(form), handler_(std::move(handler))
{
    form_->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TActivation::FocusMovedTo);
}

void TActivation::Activate()
{
    active_ = true;
    Guarded(handler_);
}

void TActivation::FocusMovedTo(QWindow* window)
{
    // Focus gone to another program (no window) or to a box: the active window stays.
    QWidget* to = ProgramWindowOf(window);
    if (!to)
        return;
    if (to != form_)
        active_ = false;
    else if (!active_)
        Activate();
}

bool TActivation::eventFilter(QObject* watched, QEvent* event)
{
    // Un-minimising is the window system's showing, not the program's.
    if (watched == form_ && !event->spontaneous()) {
        if (event->type() == QEvent::Show)
            Activate();
        if (event->type() == QEvent::Hide)
            active_ = false;
    }
    return QObject::eventFilter(watched, event);
}
