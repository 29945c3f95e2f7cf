#pragma once
// Exceptions never cross the Qt event loop: a handler that throws has its error shown
// in the error box, and the program goes on.

#include <QObject>
#include <exception>
#include <functional>
#include <string>

// The text the error box shows for an exception.
std::string ExceptionText(std::exception_ptr error);

// Shows the error box for an exception that escaped a handler.
void ShowHandlerException(std::exception_ptr error) noexcept;

// Runs a handler under the guard.
template <class F>
void Guarded(F&& handler) noexcept
{
    try {
        std::forward<F>(handler)();
    } catch (...) {
        ShowHandlerException(std::current_exception());
    }
}

// Connects a signal to a handler member function that takes no arguments, under the guard.
template <class Sender, class Signal, class Receiver>
QMetaObject::Connection Connect(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] {
        Guarded([&] { (receiver->*handler)(); });
    });
}
