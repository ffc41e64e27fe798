#include "ControlColor.h"

#include <QMetaProperty>
#include <QPalette>
#include <QWidget>

namespace {

constexpr const char *ColorProperty = "Color";

bool HasColorProperty(const QWidget *widget)
{
    return widget->metaObject()->indexOfProperty(ColorProperty) >= 0;
}

} // namespace

TColor ColorOf(const QWidget *widget)
{
    const QVariant value = widget->property(ColorProperty);
    if (value.isValid())
        return value.value<TColor>();
    return QColorToColor(widget->palette().color(QPalette::Window));
}

void SetColor(QWidget *widget, TColor color)
{
    widget->setProperty(ColorProperty, QVariant::fromValue(color));
    if (HasColorProperty(widget))
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ColorToQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
