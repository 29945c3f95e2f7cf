#include "app/UnitMain.h"

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("frmMain");
    setWindowTitle("Lumora");
}
