#pragma once

#include <QPixmap>
#include <QWidget>

// A picture at its place on a form, drawn centred in the control's area.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    QPixmap Picture() const { return m_picture; }
    void SetPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
