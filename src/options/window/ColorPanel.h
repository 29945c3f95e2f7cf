#pragma once
// A clickable panel that shows a colour behind its caption. It is a button to the
// keyboard (Space) and to screen readers, which read its caption.

#include "toolkit/Color.h"

#include <QAbstractButton>

class TColorPanel : public QAbstractButton {
public:
    TColorPanel(const char* name, const QString& caption, QWidget* parent);

    TColor Color() const;
    void SetColor(TColor color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor color_ = clBtnFace;
};
