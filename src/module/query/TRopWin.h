#pragma once

#include <QBrush>
#include <QFont>
#include <QObject>
#include <QStringList>

// The shortcut help note of a form (every form has one named RopHelp): its lines of text on a
// framed panel with a drop shadow, shown by Popup until any key, any click or, with TimeClose,
// a timer closes it. Holds only the note's settings; the window is a TRopInst made per Popup.
class TRopWin : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(int TimeClose READ TimeClose WRITE SetTimeClose)
    Q_PROPERTY(int xPos READ xPos WRITE SetxPos)
    Q_PROPERTY(int yPos READ yPos WRITE SetyPos)
public:
    explicit TRopWin(QObject *owner = nullptr);

    QBrush Brush() const { return m_brush; }
    void SetBrush(const QBrush &brush) { m_brush = brush; }
    QFont Font() const { return m_font; }
    void SetFont(const QFont &font) { m_font = font; }
    QStringList Lines() const { return m_lines; }
    void SetLines(const QStringList &lines) { m_lines = lines; }
    // Milliseconds until the note closes by itself; 0: only a key or a click closes it.
    int TimeClose() const { return m_timeClose; }
    void SetTimeClose(int milliseconds) { m_timeClose = milliseconds; }
    // The note's left and top edge on the screen; 0 centres the text block on that axis.
    int xPos() const { return m_xPos; }
    void SetxPos(int x) { m_xPos = x; }
    int yPos() const { return m_yPos; }
    void SetyPos(int y) { m_yPos = y; }

    // Shows the note modally and returns once it has closed. Without lines it shows the error
    // box "The Lines is empty" instead.
    void Popup();

private:
    QBrush m_brush{Qt::white, Qt::SolidPattern};
    QFont m_font;
    QStringList m_lines;
    int m_timeClose = 0;
    int m_xPos = 0;
    int m_yPos = 0;
};
