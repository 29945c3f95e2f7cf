#include "viewer/UnitShow.h"

TfrmShow* frmShow = nullptr;

TfrmShow::TfrmShow(QWidget* parent) : TForm("frmShow", "Show Picture", parent)
{
    resize(688, 498);
}
