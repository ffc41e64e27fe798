#include "TAnimate.h"

#include <QMovie>
#include <QPainter>
#include <QPainterPath>

#include <memory>

namespace {

constexpr int FindFolderFrames = 30;
constexpr int FindFolderInterval = 66;
const QSize FindFolderSize(80, 50);

} // namespace

TAnimate::TAnimate(QWidget *parent) : QWidget(parent)
{
    m_timer.setInterval(FindFolderInterval);
    connect(&m_timer, &QTimer::timeout, this, &TAnimate::NextFrame);
}

TAnimate::~TAnimate() = default;

void TAnimate::SetCommonAVI(TCommonAVI animation)
{
    SetActive(false);
    delete m_movie;
    m_movie = nullptr;
    m_fileName.clear();
    m_commonAvi = animation;
    m_frame = 0;
    update();
}

bool TAnimate::OpenFile(const QString &fileName)
{
    auto movie = std::make_unique<QMovie>(fileName);
    if (!movie->isValid() || !movie->jumpToFrame(0))
        return false;
    SetCommonAVI(aviNone);
    m_movie = movie.release();
    m_movie->setParent(this);
    m_fileName = fileName;
    connect(m_movie, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
    return true;
}

void TAnimate::SetActive(bool active)
{
    m_active = active;
    if (m_movie) {
        if (active)
            m_movie->start();
        else
            m_movie->stop();
    } else if (active && m_commonAvi != aviNone) {
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

int TAnimate::FrameCount() const
{
    if (m_movie)
        return m_movie->frameCount();
    return m_commonAvi == aviNone ? 0 : FindFolderFrames;
}

int TAnimate::CurrentFrame() const
{
    return m_movie ? m_movie->currentFrameNumber() : m_frame;
}

QSize TAnimate::FrameSize() const
{
    if (m_movie)
        return m_movie->currentPixmap().size();
    return m_commonAvi == aviNone ? QSize() : FindFolderSize;
}

void TAnimate::NextFrame()
{
    m_frame = (m_frame + 1) % FindFolderFrames;
    update();
}

void TAnimate::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_movie) {
        const QPixmap frame = m_movie->currentPixmap();
        painter.drawPixmap((width() - frame.width()) / 2, (height() - frame.height()) / 2, frame);
    } else if (m_commonAvi == aviFindFolder) {
        PaintFindFolder(painter);
    }
}

// A folder with a magnifying glass that sweeps over it and back, in the 80 x 50 frame.
void TAnimate::PaintFindFolder(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - FindFolderSize.width()) / 2.0, (height() - FindFolderSize.height()) / 2.0);

    QPainterPath folder;
    folder.moveTo(18, 14);
    folder.lineTo(32, 14);
    folder.lineTo(36, 18);
    folder.lineTo(62, 18);
    folder.lineTo(62, 44);
    folder.lineTo(18, 44);
    folder.closeSubpath();
    painter.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    painter.setBrush(QColor(0xF8, 0xD7, 0x75));
    painter.drawPath(folder);
    painter.setBrush(QColor(0xFC, 0xE8, 0xA0));
    painter.drawRect(QRectF(18, 22, 44, 22));

    const int half = FindFolderFrames / 2;
    const int step = m_frame < half ? m_frame : FindFolderFrames - m_frame;
    const QPointF centre(14 + step * 3.2, 24 + (step % 5) * 1.2);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(6, 6), centre + QPointF(13, 13));
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    painter.setBrush(QColor(0xC8, 0xE4, 0xFF, 0xB0));
    painter.drawEllipse(centre, 8, 8);
}
