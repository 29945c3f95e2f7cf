#include "viewer/UnitShow.h"

#include "toolkit/ControlColor.h"

TfrmShow* frmShow = nullptr;

TfrmShow::TfrmShow(QWidget* parent) : TForm("frmShow", "Show Picture", parent)
{
    resize(688, 498);
}

void TfrmShow::SetBackdrop(TColor color)
{
    SetControlColor(this, color);
}
