#pragma once

#include <QWidget>

class TAdvColumnGrid;

// The floating footer: the grid's last row, kept at the bottom of the visible cells whatever
// the scroll position, its cells lined up with the columns above it.
class TAdvColumnGridFooter : public QWidget {
    Q_OBJECT
public:
    explicit TAdvColumnGridFooter(TAdvColumnGrid *grid);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TAdvColumnGrid *m_grid;
};
