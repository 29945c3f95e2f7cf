#pragma once
// The slide show window.

#include "toolkit/Form.h"

class TfrmSlide : public TForm {
public:
    explicit TfrmSlide(QWidget* parent = nullptr);
};

extern TfrmSlide* frmSlide;
