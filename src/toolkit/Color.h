#pragma once
// TColor is the 32-bit signed colour number of the settings file: 0x00BBGGRR for a
// literal colour, top bit set for a system colour whose index is the low byte.

#include <QColor>
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor SystemColor(int index)
{
    return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index));
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);

constexpr bool IsSystemColor(TColor c)
{
    return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0;
}

constexpr TColor RGBToColor(int r, int g, int b)
{
    return static_cast<TColor>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

// The colour a TColor stands for on this desktop: system colours through the
// application palette, literal colours as they are.
QColor ColorToQColor(TColor c);

// The literal TColor of a QColor (alpha dropped).
TColor QColorToColor(const QColor& c);
