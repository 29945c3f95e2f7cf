#include "album/UnitGenHTML.h"

#include "text/AllTools.h"

TfrmGenHTML* frmGenHTML = nullptr;
TAllTools AlbumTools;

TfrmGenHTML::TfrmGenHTML(QWidget* parent) : TForm("frmGenHTML", "Generate HTML", parent)
{
}
