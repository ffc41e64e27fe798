#pragma once

#include "TColor.h"

#include <QComboBox>

// A flat drop-down box: a fixed list (csDropDownList) or an editable box (csDropDown) whose
// typed text need not be an item. Enter never adds the typed text to the items.
class TFlatComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder)
public:
    enum TComboStyle { csDropDown, csDropDownList };
    Q_ENUM(TComboStyle)

    explicit TFlatComboBox(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor ColorBorder() const { return m_colorBorder; }
    void SetColorBorder(TColor color);
    TComboStyle Style() const { return isEditable() ? csDropDown : csDropDownList; }
    void SetStyle(TComboStyle style);
    QStringList Items() const;
    void SetItems(const QStringList &items);
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }

private:
    void UpdateStyle();

    TColor m_color = clWhite;
    TColor m_colorBorder = 0x008396A0;
};
