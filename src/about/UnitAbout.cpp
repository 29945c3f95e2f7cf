#include "about/UnitAbout.h"

TfrmAbout* frmAbout = nullptr;

TfrmAbout::TfrmAbout(QWidget* parent) : TForm("frmAbout", "About Lumora", parent)
{
}
