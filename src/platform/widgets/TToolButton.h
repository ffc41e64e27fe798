#pragma once

#include <QToolButton>

class QMenu;

// A captioned button of a TToolBar. Its hint names the shortcut key; a drop-down menu opens from
// the arrow beside the caption while a click on the caption still clicks the button.
class TToolButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
public:
    explicit TToolButton(QWidget *parent = nullptr);

    QMenu *DropdownMenu() const { return menu(); }
    void SetDropdownMenu(QMenu *menu);
};
