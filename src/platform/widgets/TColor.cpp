#include "TColor.h"

#include <array>

namespace {

// The platform's standard system colours, 0xRRGGBB, by index.
constexpr std::array<QRgb, 25> SystemColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000,
    0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D,
    0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000, 0xFFFFE1,
};

} // namespace

QColor ColorToQColor(TColor color)
{
    if (color & clSystemColor) {
        const quint32 index = color & 0xFF;
        return QColor::fromRgb(index < SystemColors.size() ? SystemColors[index] : 0x000000);
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor QColorToColor(const QColor &color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

TColor ColorFromInteger(qint64 value)
{
    return TColor(quint64(value) & 0xFFFFFFFFu);
}
