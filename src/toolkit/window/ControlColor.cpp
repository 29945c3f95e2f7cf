#include "toolkit/window/ControlColor.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kBackgroundProperty = "lumoraColor";
const char* const kFontProperty = "lumoraFontColor";

void ApplyPalette(QWidget* control, QPalette::ColorRole role, TColor color)
{
    QPalette pal = control->palette();
    pal.setColor(role, ColorToQColor(color));
    control->setPalette(pal);
}

} // namespace

void SetControlColor(QWidget* control, TColor color)
{
    control->setProperty(kBackgroundProperty, color);
    control->setAutoFillBackground(true);
    ApplyPalette(control, QPalette::Base, color);
    ApplyPalette(control, QPalette::Window, color);
}

void SetControlFontColor(QWidget* control, TColor color)
{
    control->setProperty(kFontProperty, color);
    ApplyPalette(control, QPalette::Text, color);
    ApplyPalette(control, QPalette::WindowText, color);
    ApplyPalette(control, QPalette::ButtonText, color);
}

TColor ControlColor(const QWidget* control, TColor fallback)
{
    const QVariant v = control->property(kBackgroundProperty);
    return v.isValid() ? v.toInt() : fallback;
}

TColor ControlFontColor(const QWidget* control, TColor fallback)
{
    const QVariant v = control->property(kFontProperty);
    return v.isValid() ? v.toInt() : fallback;
}
