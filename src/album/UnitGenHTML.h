#pragma once
// The HTML album window.

#include "toolkit/Form.h"

class TfrmGenHTML : public TForm {
public:
    explicit TfrmGenHTML(QWidget* parent = nullptr);
};

extern TfrmGenHTML* frmGenHTML;

class TAllTools;
// The album window unit's own text tools.
extern TAllTools AlbumTools;
