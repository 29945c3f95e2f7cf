#pragma once
// The options dialog.

#include "toolkit/Form.h"

class TfrmOption : public TForm {
public:
    explicit TfrmOption(QWidget* parent = nullptr);
};

extern TfrmOption* frmOption;
