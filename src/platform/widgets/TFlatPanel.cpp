#include "TFlatPanel.h"

#include <QPainter>

TFlatPanel::TFlatPanel(QWidget *parent) : QFrame(parent) {}

void TFlatPanel::SetColor(TColor color)
{
    m_color = color;
    update();
}

void TFlatPanel::SetColorHighLight(TColor color)
{
    m_colorHighLight = color;
    update();
}

void TFlatPanel::SetColorShadow(TColor color)
{
    m_colorShadow = color;
    update();
}

void TFlatPanel::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TFlatPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, ColorToQColor(m_color));
    painter.setPen(ColorToQColor(m_colorHighLight));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(ColorToQColor(m_colorShadow));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    if (!m_caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignCenter, m_caption);
    }
}
