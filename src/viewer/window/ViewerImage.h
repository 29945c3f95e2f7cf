#pragma once
// The viewer's picture control (Image1): it holds the picture's own copy of the pixels,
// marks included, and draws only the part of it that a paint asks for, scaled to the
// control's size. Zooming changes the control's size, never the pixels held.

#include "toolkit/Bitmap.h"

#include <QWidget>

class TViewerImage : public QWidget {
public:
    explicit TViewerImage(QWidget* parent = nullptr);

    const TBitmap& Picture() const { return picture_; }
    void SetPicture(const TBitmap& picture);
    // Outlines the rectangle with corners a and b on the pixels, in black, one pixel
    // wide, the right and bottom edges left out as the Windows canvas does.
    void Mark(QPoint a, QPoint b);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBitmap picture_;
};
