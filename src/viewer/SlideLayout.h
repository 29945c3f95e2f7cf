#pragma once
// Where a slide goes in the slide show's window, and the caption that names it.

#include <QRect>
#include <QSize>

#include <string>

// The bounds of a picture of its own size picture in a window of outer size window:
// a landscape picture spans the window's width, a portrait or square one its height
// less 8 pixels; the other side follows the picture's proportion, even past the edge.
// The ratio is held in single precision, as the show has always computed it.
QRect SlideBounds(QSize window, QSize picture);

// "W:640 x H:480   File:path   ( 2/5 )".
std::string SlideCaption(QSize picture, const std::string& path, int position, int total);
