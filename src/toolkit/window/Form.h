#pragma once
// The secondary windows: created once at start-up, hidden when closed, shown either
// beside the main window or modally (the caller waits until the window closes).

#include <QDialog>

#include <functional>

class TForm : public QDialog {
public:
    explicit TForm(const char* name, const QString& caption, QWidget* parent = nullptr);

    void Show();
    // Runs the window through the modal runner in force and returns its result.
    int ShowModal();
    // The program ends: the window drops the jobs it runs, without their end, and waits
    // for their workers.
    virtual void EndJobs() {}
};

// How ShowModal runs a window. The program's runner is QDialog::exec(), which blocks in
// a nested event loop until the window closes; widget tests install one that shows the
// window, runs a scripted step and closes it.
using TModalRunner = std::function<int(TForm& form)>;

// Installs a runner and returns the one it replaces; an empty runner means exec().
TModalRunner SetModalRunner(TModalRunner runner);
