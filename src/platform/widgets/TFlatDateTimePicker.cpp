#include "TFlatDateTimePicker.h"

#include "FlatStyleSheet_p.h"

#include <QCalendarWidget>

TFlatDateTimePicker::TFlatDateTimePicker(QWidget *parent) : QDateEdit(QDate::currentDate(), parent)
{
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
    UpdateStyle();
}

void TFlatDateTimePicker::SetColor(TColor color)
{
    m_color = color;
    UpdateStyle();
}

void TFlatDateTimePicker::SetColorBorder(TColor color)
{
    m_colorBorder = color;
    UpdateStyle();
}

void TFlatDateTimePicker::SetTitleBackColor(TColor color)
{
    m_titleBackColor = color;
    UpdateStyle();
}

void TFlatDateTimePicker::UpdateStyle()
{
    setStyleSheet(FlatStyleSheet("TFlatDateTimePicker", m_color, m_color, m_colorBorder));
    calendarWidget()->setStyleSheet(QStringLiteral("#qt_calendar_navigationbar { background-color: %1; }")
                                        .arg(ColorToQColor(m_titleBackColor).name()));
}
