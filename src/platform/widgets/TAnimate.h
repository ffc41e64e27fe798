#pragma once

#include <QTimer>
#include <QWidget>

class QMovie;
class QPainter;

// An animation control: plays an animation file that Qt can read (an animated GIF, say) or one
// of the built-in common animations, drawn by the control itself. It plays while Active and
// only while the event loop runs.
class TAnimate : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
public:
    enum TCommonAVI { aviNone, aviFindFolder };
    Q_ENUM(TCommonAVI)

    explicit TAnimate(QWidget *parent = nullptr);
    ~TAnimate() override;

    TCommonAVI CommonAVI() const { return m_commonAvi; }
    void SetCommonAVI(TCommonAVI animation);
    // Plays fileName from now on; false, and the control unchanged, when Qt cannot play it.
    bool OpenFile(const QString &fileName);
    QString FileName() const { return m_fileName; }
    bool Active() const { return m_active; }
    void SetActive(bool active);
    int StopFrame() const { return m_stopFrame; }
    void SetStopFrame(int frame) { m_stopFrame = frame; }
    int FrameCount() const;
    int CurrentFrame() const;
    // The size of one frame of the animation.
    QSize FrameSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void NextFrame();
    void PaintFindFolder(QPainter &painter) const;

    TCommonAVI m_commonAvi = aviNone;
    QString m_fileName;
    QMovie *m_movie = nullptr;
    QTimer m_timer;
    bool m_active = false;
    int m_frame = 0;
    int m_stopFrame = 0;
};
