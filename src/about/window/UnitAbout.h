#pragma once
// The About box: Lumora's credits, two of its pictures and a button that writes to the
// project.

#include "toolkit/window/Form.h"

class QLabel;
class QListWidget;
class QPushButton;

class TfrmAbout : public TForm {
public:
    // Opens centred on mainWindow, which outlives it.
    explicit TfrmAbout(const QWidget& mainWindow, QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* cmdMail = nullptr;

    // Opens a new mail message to the project and closes the box.
    void cmdMailClick();

protected:
    // Shown centred on the main window.
    void showEvent(QShowEvent* event) override;

private:
    const QWidget& mainWindow_;
};

extern TfrmAbout* frmAbout;

// The address cmdMail writes to.
extern const char* const kProjectMail;
