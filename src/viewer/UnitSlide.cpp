#include "viewer/UnitSlide.h"

TfrmSlide* frmSlide = nullptr;

TfrmSlide::TfrmSlide(QWidget* parent) : TForm("frmSlide", QString(), parent)
{
    resize(688, 453);
}
