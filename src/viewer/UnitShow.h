#pragma once
// The picture viewer window.

#include "toolkit/Color.h"
#include "toolkit/Form.h"

class TfrmShow : public TForm {
public:
    explicit TfrmShow(QWidget* parent = nullptr);

    // The colour behind the picture.
    void SetBackdrop(TColor color);
};

extern TfrmShow* frmShow;
