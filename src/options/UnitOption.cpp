#include "options/UnitOption.h"

#include "text/AllTools.h"

TfrmOption* frmOption = nullptr;
TAllTools OptionTools;

TfrmOption::TfrmOption(QWidget* parent) : TForm("frmOption", "Lumora Option", parent)
{
    resize(707, 400);
}
