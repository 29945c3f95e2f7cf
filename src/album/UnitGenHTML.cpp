#include "album/UnitGenHTML.h"

#include "text/AllTools.h"

TfrmGenHTML* frmGenHTML = nullptr;
TAllTools* const AlbumTools = new TAllTools();

TfrmGenHTML::TfrmGenHTML(QWidget* parent) : TForm("frmGenHTML", "Generate HTML", parent)
{
}
