#pragma once
// The background and font colour of a control. The control keeps the TColor it was
// given, so the number is written back unchanged even for system colours.

#include "toolkit/Color.h"

class QWidget;

void SetControlColor(QWidget* control, TColor color);
void SetControlFontColor(QWidget* control, TColor color);
TColor ControlColor(const QWidget* control, TColor fallback);
TColor ControlFontColor(const QWidget* control, TColor fallback);
