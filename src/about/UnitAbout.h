#pragma once
// The About box.

#include "toolkit/Form.h"

class TfrmAbout : public TForm {
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

extern TfrmAbout* frmAbout;
