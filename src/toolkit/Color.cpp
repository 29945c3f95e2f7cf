#include "toolkit/Color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Windows system colour indices and the palette role that plays the same part.
QColor SystemColorToQColor(int index)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 0: return pal.color(QPalette::Base);             // scroll bar
    case 1: return pal.color(QPalette::Window);           // desktop
    case 2: return pal.color(QPalette::Highlight);        // active caption
    case 3: return pal.color(QPalette::Inactive, QPalette::Highlight);
    case 4: return pal.color(QPalette::Window);           // menu
    case 5: return pal.color(QPalette::Base);             // window
    case 6: return pal.color(QPalette::Dark);             // window frame
    case 7: return pal.color(QPalette::WindowText);       // menu text
    case 8: return pal.color(QPalette::Text);             // window text
    case 9: return pal.color(QPalette::HighlightedText);  // caption text
    case 10: return pal.color(QPalette::Mid);             // active border
    case 11: return pal.color(QPalette::Midlight);        // inactive border
    case 12: return pal.color(QPalette::Dark);            // application workspace
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);          // button face
    case 16: return pal.color(QPalette::Mid);             // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return pal.color(QPalette::Light);           // 3-D highlight
    case 21: return pal.color(QPalette::Shadow);          // dark 3-D shadow
    case 22: return pal.color(QPalette::Midlight);        // 3-D light
    case 23: return pal.color(QPalette::ToolTipText);     // info text
    case 24: return pal.color(QPalette::ToolTipBase);     // info background
    case 26: return pal.color(QPalette::Link);            // hot light
    case 27: return pal.color(QPalette::Highlight);       // gradient active caption
    case 28: return pal.color(QPalette::Inactive, QPalette::Highlight);
    case 29: return pal.color(QPalette::Highlight);       // menu highlight
    case 30: return pal.color(QPalette::Window);           // menu bar
    default: return pal.color(QPalette::Window);
    }
}

} // namespace

QColor ColorToQColor(TColor c)
{
    if (IsSystemColor(c))
        return SystemColorToQColor(c & 0xFF);
    const auto v = static_cast<std::uint32_t>(c);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& c)
{
    return RGBToColor(c.red(), c.green(), c.blue());
}
