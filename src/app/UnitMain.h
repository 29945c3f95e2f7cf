#pragma once
// The main window.

#include <QMainWindow>

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
};

extern TfrmMain* frmMain;
