#pragma once
// The options dialog.

#include "toolkit/Form.h"

class TfrmOption : public TForm {
public:
    explicit TfrmOption(QWidget* parent = nullptr);
};

extern TfrmOption* frmOption;

class TAllTools;
// The options dialog unit's own text tools.
extern TAllTools OptionTools;
