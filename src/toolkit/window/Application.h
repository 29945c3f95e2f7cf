#pragma once
// The application object: the Qt dialogs for the program, and a last guard so that no
// exception unwinds through Qt.

#include "toolkit/window/QtDialogs.h"

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;
    bool notify(QObject* receiver, QEvent* event) override;

private:
    TQtDialogs dialogs_;
};
