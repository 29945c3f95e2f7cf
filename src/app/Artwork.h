#pragma once
// Lumora's pictures for buttons, the window and the tray, drawn at start-up.

#include <QIcon>
#include <QPixmap>

#include <vector>

// The picture of a tool button, by the button's name ("sbAdd", "sbThumb", ...).
QIcon ToolIcon(const QString& buttonName);

// The window icon.
QIcon AppIcon();

// The frames the tray icon cycles through.
std::vector<QIcon> TrayFrames();

// The About box's two pictures: Lumora's photo, large, and a fan of pictures.
QPixmap AboutPhoto();
QPixmap AboutFan();
