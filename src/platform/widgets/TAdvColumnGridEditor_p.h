#pragma once

#include <QLineEdit>

#include <functional>

// The grid's in-cell editor. Each key goes to the grid's key handling first; what the grid does
// not consume is edited normally, and a key the editor has no use for travels up to the grid as
// a leftover, which the grid passes on to its parents instead of handling it a second time.
class TAdvColumnGridEditor : public QLineEdit {
    Q_OBJECT
public:
    using TKeyHandler = std::function<bool(QKeyEvent *event)>;

    TAdvColumnGridEditor(QWidget *parent, TKeyHandler handler);

    // True once for the leftover the grid is now receiving.
    bool TakeLeftover(const QKeyEvent *event)
    {
        const bool leftover = event == m_leftover;
        if (leftover)
            m_leftover = nullptr;
        return leftover;
    }
    // Edits with a key the grid has already seen.
    void Deliver(QKeyEvent *event) { QLineEdit::keyPressEvent(event); }

protected:
    bool event(QEvent *event) override;

private:
    TKeyHandler m_handler;
    const QKeyEvent *m_leftover = nullptr;
};
