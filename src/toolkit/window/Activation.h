#pragma once
// A window's activation handler, run when the window becomes the program's active
// window: when it is shown, and when the user comes to it from another of the program's
// windows. Another program or one of the window's own boxes never becomes the
// program's active window, so leaving for it and coming back is no activation.

#include <QObject>

#include <functional>

class QWidget;
class QWindow;

class TActivation : public QObject {
public:
    // Lives as long as form; handler runs under the guard.
    TActivation(QWidget* form, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusMovedTo(QWindow* window);
    void Activate();

    QWidget* form_;
    std::function<void()> handler_;
    bool active_ = false;  // form is the program's active window
};
