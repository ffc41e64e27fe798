#include "TPanel.h"

#include <QPainter>

TPanel::TPanel(QWidget *parent) : QFrame(parent) {}

void TPanel::SetColor(TColor color)
{
    m_color = color;
    update();
}

void TPanel::SetFontColor(TColor color)
{
    m_fontColor = color;
    update();
}

void TPanel::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TPanel::SetAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    m_bevelOuter = bevel;
    update();
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, ColorToQColor(m_color));
    if (m_bevelOuter != bvNone) {
        const QColor light = ColorToQColor(clBtnHighlight);
        const QColor dark = ColorToQColor(clBtnShadow);
        painter.setPen(m_bevelOuter == bvRaised ? light : dark);
        painter.drawLine(area.topLeft(), area.topRight());
        painter.drawLine(area.topLeft(), area.bottomLeft());
        painter.setPen(m_bevelOuter == bvRaised ? dark : light);
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomRight());
    }
    if (!m_caption.isEmpty()) {
        painter.setPen(ColorToQColor(m_fontColor));
        painter.drawText(area.adjusted(2, 1, -2, -1), int(m_alignment), m_caption);
    }
}
