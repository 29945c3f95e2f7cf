#pragma once
// The application object: a last guard so that no exception unwinds through Qt.

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
