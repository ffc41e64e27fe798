#include "TFlatButton.h"

#include <QDialog>

TFlatButton::TFlatButton(QWidget *parent) : TFlatButton(QString(), parent) {}

TFlatButton::TFlatButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QPushButton::clicked, this, &TFlatButton::CloseDialogWithResult);
    UpdateStyle();
}

void TFlatButton::SetColor(TColor color)
{
    m_color = color;
    UpdateStyle();
}

void TFlatButton::SetColorBorder(TColor color)
{
    m_colorBorder = color;
    UpdateStyle();
}

void TFlatButton::SetColorFocused(TColor color)
{
    m_colorFocused = color;
    UpdateStyle();
}

void TFlatButton::SetColorHighLight(TColor color)
{
    m_colorHighLight = color;
    UpdateStyle();
}

void TFlatButton::UpdateStyle()
{
    setStyleSheet(QStringLiteral("TFlatButton { background-color: %1; border: 1px solid %2; padding: 2px 6px; }"
                                 " TFlatButton:hover { background-color: %3; }"
                                 " TFlatButton:focus { border: 1px solid %4; }"
                                 " TFlatButton:pressed { padding: 3px 5px 1px 7px; }")
                      .arg(ColorToQColor(m_color).name(), ColorToQColor(m_colorBorder).name(),
                           ColorToQColor(m_colorFocused).name(), ColorToQColor(m_colorHighLight).name()));
}

void TFlatButton::CloseDialogWithResult()
{
    if (m_modalResult == 0)
        return;
    if (auto *dialog = qobject_cast<QDialog *>(window()))
        dialog->done(m_modalResult);
}
