#include "album/UnitGenHTML.h"

TfrmGenHTML* frmGenHTML = nullptr;

TfrmGenHTML::TfrmGenHTML(QWidget* parent) : TForm("frmGenHTML", "Generate HTML", parent)
{
}
