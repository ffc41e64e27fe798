#include "TRopInst.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int ShadowWidth = 16;

// The shadow's 8 x 8 dither: a set bit keeps the screen pixel, a clear one blackens it.
QBrush ShadowBrush()
{
    static const unsigned char rows[8] = {0xAA, 0x00, 0x55, 0x00, 0xAA, 0x00, 0x55, 0x00};
    QImage pattern(8, 8, QImage::Format_ARGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (rows[y] >> (7 - x)) & 1 ? qRgba(0, 0, 0, 0) : qRgba(0, 0, 0, 255));
    return QBrush(pattern);
}

} // namespace

TRopInst::TRopInst(QWidget *owner) : TDialogForm(owner), Timer1(new QTimer(this))
{
    // A pop-up window grabs mouse and keyboard while it is open, so a click anywhere reaches it.
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont system(QStringLiteral("System"));
    system.setBold(true);
    setFont(system);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TRopInst::Timer1Timer);
}

void TRopInst::Prepare(const QFont &font, const QBrush &brush, const QStringList &lines, int xPos, int yPos,
                       int timeClose)
{
    setFont(font);
    m_brush = brush;
    m_lines = lines;
    const QRect text = QFontMetrics(font).boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, lines.join(u'\n'));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = xPos != 0 ? xPos : (screen.width() - text.width()) / 2;
    const int top = yPos != 0 ? yPos : (screen.height() - text.height()) / 2;
    setGeometry(left, top, text.width() + 40, text.height() + 30);
    m_screenBehind = QGuiApplication::primaryScreen()->grabWindow(0, left, top, width(), height());
    if (timeClose > 0)
        Timer1->start(timeClose);
}

void TRopInst::Timer1Timer()
{
    done(mrNone);
}

void TRopInst::showEvent(QShowEvent *event)
{
    TDialogForm::showEvent(event);
    grabMouse();
}

void TRopInst::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (m_screenBehind.isNull())
        painter.fillRect(rect(), palette().color(QPalette::Window));
    else
        painter.drawPixmap(0, 0, m_screenBehind);

    const QRect panel(QPoint(1, 1), QPoint(w - ShadowWidth - 1, h - ShadowWidth - 1));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter.drawRect(panel);
    painter.setBrush(m_brush);
    painter.drawRect(panel);

    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QRect(QPoint(6, 6), QPoint(w - 21 - 1, h - 21 - 1)), Qt::AlignLeft | Qt::AlignTop,
                     m_lines.join(u'\n'));

    const QBrush shadow = ShadowBrush();
    painter.fillRect(QRect(ShadowWidth, h - ShadowWidth, w - ShadowWidth, ShadowWidth), shadow);
    painter.fillRect(QRect(w - ShadowWidth, ShadowWidth, ShadowWidth, h), shadow);
}

void TRopInst::keyPressEvent(QKeyEvent *)
{
    done(mrNone);
}

void TRopInst::mousePressEvent(QMouseEvent *)
{
    done(mrNone);
}

void TRopInst::done(int result)
{
    Timer1->stop();
    releaseMouse();
    m_lines.clear();
    m_brush = QBrush();
    TDialogForm::done(result);
}
