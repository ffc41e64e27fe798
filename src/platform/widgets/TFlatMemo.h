#pragma once

#include "TColor.h"

#include <QPlainTextEdit>

// A multi-line flat edit box; colours as TFlatEdit's. Lines are the text's lines.
class TFlatMemo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(TColor ColorFlat READ ColorFlat WRITE SetColorFlat)
    Q_PROPERTY(TColor ColorFocused READ ColorFocused WRITE SetColorFocused)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE SetColorBorder)
public:
    explicit TFlatMemo(QWidget *parent = nullptr);

    TColor ColorFlat() const { return m_colorFlat; }
    void SetColorFlat(TColor color);
    TColor ColorFocused() const { return m_colorFocused; }
    void SetColorFocused(TColor color);
    TColor ColorBorder() const { return m_colorBorder; }
    void SetColorBorder(TColor color);
    QStringList Lines() const;
    void SetLines(const QStringList &lines);

private:
    void UpdateStyle();

    TColor m_colorFlat = clWhite;
    TColor m_colorFocused = clWhite;
    TColor m_colorBorder = 0x008396A0;
};
