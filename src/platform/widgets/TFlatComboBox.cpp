#include "TFlatComboBox.h"

#include "FlatStyleSheet_p.h"

TFlatComboBox::TFlatComboBox(QWidget *parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    UpdateStyle();
}

void TFlatComboBox::SetColor(TColor color)
{
    m_color = color;
    UpdateStyle();
}

void TFlatComboBox::SetColorBorder(TColor color)
{
    m_colorBorder = color;
    UpdateStyle();
}

void TFlatComboBox::SetStyle(TComboStyle style)
{
    setEditable(style == csDropDown);
    setInsertPolicy(QComboBox::NoInsert);
}

QStringList TFlatComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TFlatComboBox::SetItems(const QStringList &items)
{
    clear();
    addItems(items);
}

void TFlatComboBox::UpdateStyle()
{
    setStyleSheet(FlatStyleSheet("TFlatComboBox", m_color, m_color, m_colorBorder, QStringLiteral("padding: 1px 4px;")));
}
