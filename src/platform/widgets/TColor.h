#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the designs give it: 0x00BBGGRR for a plain colour, 0x80000000 + index for a
// system colour that the platform resolves when it paints (clBtnFace is 0x8000000F).
using TColor = quint32;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clWindow = clSystemColor + 5;
inline constexpr TColor clWindowText = clSystemColor + 8;
inline constexpr TColor clHighlight = clSystemColor + 13;
inline constexpr TColor clHighlightText = clSystemColor + 14;
inline constexpr TColor clBtnFace = clSystemColor + 15;
inline constexpr TColor clBtnShadow = clSystemColor + 16;
inline constexpr TColor clBtnText = clSystemColor + 18;
inline constexpr TColor clBtnHighlight = clSystemColor + 20;
inline constexpr TColor clInfoBk = clSystemColor + 24;

// The colour to paint with; system colours take the platform's standard values.
QColor ColorToQColor(TColor color);
// The plain colour value of a painted colour.
TColor QColorToColor(const QColor &color);
// A colour read from configuration text as a signed or unsigned integer (clBtnFace may be
// written -2147483633); the 32 bits are taken as they are.
TColor ColorFromInteger(qint64 value);
