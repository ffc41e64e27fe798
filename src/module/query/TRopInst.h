#pragma once

#include "platform/widgets/TForm.h"

#include <QBrush>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

// The window of a shortcut help note: borderless, it shows the screen as it was behind it, the
// note's lines on a framed panel and a dithered shadow that darkens the screen content along the
// panel's right and bottom edges. It captures the mouse, so a click anywhere closes it, as do any
// key and Timer1.
class TRopInst : public TDialogForm {
    Q_OBJECT
public:
    explicit TRopInst(QWidget *owner = nullptr);

    // Copies the note's settings, sizes the window to the text and places it (0: centred), grabs
    // the screen behind it and starts the timer when timeClose is above 0.
    void Prepare(const QFont &font, const QBrush &brush, const QStringList &lines, int xPos, int yPos, int timeClose);
    QStringList Lines() const { return m_lines; }

    // The timer's handler: closes the note.
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void done(int result) override;

private:
    QStringList m_lines;
    QBrush m_brush;
    QPixmap m_screenBehind;
    QTimer *Timer1;
};
