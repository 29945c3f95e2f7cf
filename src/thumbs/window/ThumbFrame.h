#pragma once
// The board's highlight frame: a yellow picture with a black outline, 5 pixels larger than
// its thumbnail on every side, lying behind every thumbnail.

#include <QRect>

class QWidget;
class TImage;

// Draws a new frame on surface around the thumbnail at thumb.
TImage* MakeThumbFrame(QWidget* surface, const QRect& thumb);
