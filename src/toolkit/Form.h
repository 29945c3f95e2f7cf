#pragma once
// The secondary windows: created once at start-up, hidden when closed, shown either
// beside the main window or modally (the caller waits until the window closes).

#include <QDialog>

class TForm : public QDialog {
public:
    explicit TForm(const char* name, const QString& caption, QWidget* parent = nullptr);

    void Show();
    int ShowModal();
};
