#include "TFlatMemo.h"

#include "FlatStyleSheet_p.h"

TFlatMemo::TFlatMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    UpdateStyle();
}

void TFlatMemo::SetColorFlat(TColor color)
{
    m_colorFlat = color;
    UpdateStyle();
}

void TFlatMemo::SetColorFocused(TColor color)
{
    m_colorFocused = color;
    UpdateStyle();
}

void TFlatMemo::SetColorBorder(TColor color)
{
    m_colorBorder = color;
    UpdateStyle();
}

QStringList TFlatMemo::Lines() const
{
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TFlatMemo::SetLines(const QStringList &lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}

void TFlatMemo::UpdateStyle()
{
    setStyleSheet(FlatStyleSheet("TFlatMemo", m_colorFlat, m_colorFocused, m_colorBorder));
}
