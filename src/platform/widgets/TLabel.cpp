#include "TLabel.h"

#include "ControlColor.h"

#include <QPainter>

TLabel::TLabel(QWidget *parent) : TLabel(QString(), parent) {}

TLabel::TLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent) {}

TColor TLabel::Color() const
{
    if (m_parentColor && parentWidget())
        return ColorOf(parentWidget());
    return m_parentColor ? clBtnFace : m_color;
}

void TLabel::SetColor(TColor color)
{
    m_color = color;
    m_parentColor = false;
    update();
}

void TLabel::SetParentColor(bool on)
{
    m_parentColor = on;
    update();
}

void TLabel::SetFontColor(TColor color)
{
    m_fontColor = color;
    update();
}

void TLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_parentColor)
        painter.fillRect(rect(), ColorToQColor(m_color));
    painter.setPen(ColorToQColor(m_fontColor));
    const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
    painter.drawText(contentsRect(), int(alignment()) | wrap | Qt::TextExpandTabs, text());
}
