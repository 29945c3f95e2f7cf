#pragma once
// Lumora's pictures for buttons, the window and the tray, drawn at start-up.

#include <QIcon>
#include <QPixmap>

class QPainter;

#include <vector>

// The picture of a tool button, by the button's name ("sbAdd", "sbThumb", ...).
QIcon ToolIcon(const QString& buttonName);

// The sizes the desktop's icon theme gets the program's icon in, besides the scalable one.
constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

// Paints the program's icon into the square from (0, 0) to (size, size): the window
// icon, the installed icon theme pictures and the scalable icon are all this drawing.
void PaintAppIcon(QPainter& painter, int size);

// The window icon, at every size of kAppIconSizes.
QIcon AppIcon();

// The frames the tray icon cycles through.
std::vector<QIcon> TrayFrames();

// The About box's two pictures: Lumora's photo, large, and a fan of pictures.
QPixmap AboutPhoto();
QPixmap AboutFan();
