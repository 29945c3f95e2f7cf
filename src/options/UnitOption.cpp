#include "options/UnitOption.h"

TfrmOption* frmOption = nullptr;

TfrmOption::TfrmOption(QWidget* parent) : TForm("frmOption", "Lumora Option", parent)
{
    resize(707, 400);
}
