#pragma once
// The picture viewer window.

#include "toolkit/Form.h"

class TfrmShow : public TForm {
public:
    explicit TfrmShow(QWidget* parent = nullptr);
};

extern TfrmShow* frmShow;
