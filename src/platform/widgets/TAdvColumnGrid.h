#pragma once

#include "platform/widgets/TColor.h"

#include <QFont>
#include <QTableView>

#include <functional>
#include <optional>

class TAdvColumnGridEditor;
class TAdvColumnGridFooter;
class TAdvColumnGridModel;

// The column grid the bill forms and the order picker are built from. Cells are addressed
// [column, row]: row 0 is the header, the last row the floating footer (while FloatingFooter is
// on), the rows between are data rows, the only ones the cursor can stand on.
//
// The cursor moves by keys, clicks or SelectCell only after OnSelectCell agrees; FocusCell
// places it without asking, which is what a handler uses to put the cursor elsewhere. Every key,
// also one typed into the in-cell editor, passes OnKeyDown and OnKeyPress first; a handler that
// sets the key to 0 consumes it, before the grid's own navigation (arrows, Tab, Enter) runs.
// The editor writes each change straight into its cell, so handlers always read what the clerk
// sees. The footer shows column sums only when asked (CalcFooter / RecalcFooter).
class TAdvColumnGrid : public QTableView {
    Q_OBJECT
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(quint32 BigCellColor READ BigCellColor WRITE SetBigCellColor)
    Q_PROPERTY(quint32 GridLineColor READ GridLineColor WRITE SetGridLineColor)
    Q_PROPERTY(quint32 FixedColor READ FixedColor WRITE SetFixedColor)
    Q_PROPERTY(quint32 FixedFontColor READ FixedFontColor WRITE SetFixedFontColor)
    Q_PROPERTY(quint32 FloatingFooterColor READ FloatingFooterColor WRITE SetFloatingFooterColor)
public:
    enum TColumnCalc { acNONE, acSUM };
    using TSelectCellHandler = std::function<void(int col, int row, bool &canSelect)>;
    using TCanEditCellHandler = std::function<void(int col, int row, bool &canEdit)>;
    using TKeyDownHandler = std::function<void(int &key, Qt::KeyboardModifiers shift)>;
    using TKeyPressHandler = std::function<void(QChar &key)>;

    explicit TAdvColumnGrid(QWidget *parent = nullptr);

    // Cells. Reading outside the grid gives "", writing there is ignored.
    Q_INVOKABLE QString Cells(int col, int row) const;
    Q_INVOKABLE void SetCells(int col, int row, const QString &text);
    Q_INVOKABLE bool IsChecked(int col, int row) const;
    Q_INVOKABLE void SetChecked(int col, int row, bool checked);
    int RowCount() const;
    // Rows are added or dropped just above the footer; the footer keeps its texts.
    void SetRowCount(int count);
    int ColCount() const;
    void SetColCount(int count);
    Q_INVOKABLE int FixedRows() const { return 1; }
    // Inserts empty rows before row; row RowCount() - 1 inserts just above the footer.
    void InsertRows(int row, int count);
    // Removes data rows; the header and the footer stay.
    void RemoveRows(int row, int count);
    // Empties text and check marks of data rows.
    void ClearRows(int row, int count);

    // Columns. A hidden column or one of width 0 keeps its cells but is neither shown nor
    // reached by the cursor; ColWidths gives the width it has when shown.
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    bool IsColumnVisible(int col) const;
    void HideColumn(int col);
    void UnHideColumn(int col);
    Qt::Alignment ColumnAlignment(int col) const;
    void SetColumnAlignment(int col, Qt::Alignment alignment);
    bool ColumnReadOnly(int col) const;
    void SetColumnReadOnly(int col, bool readOnly);
    // Every data cell of the column shows a check box; click or Space toggles it.
    void AddCheckBoxColumn(int col);
    Q_INVOKABLE bool IsCheckBoxColumn(int col) const;
    Q_INVOKABLE quint32 ColumnColor(int col) const;
    Q_INVOKABLE void SetColumnColor(int col, quint32 color);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int height);

    // The cursor, always on a data row while there is one.
    Q_INVOKABLE int Col() const;
    Q_INVOKABLE int Row() const;
    Q_INVOKABLE void FocusCell(int col, int row);
    // Moves the cursor when OnSelectCell agrees; true when it moved. Asked from inside
    // OnSelectCell it moves without asking again.
    Q_INVOKABLE bool SelectCell(int col, int row);

    // Editing. A cell can be edited when the grid is Editable and the column not read-only,
    // unless OnCanEditCell decides otherwise; check boxes toggle also in a grid that is not
    // Editable. Typing a character into an editable cell opens the editor on its text.
    bool Editable() const { return m_editable; }
    void SetEditable(bool on) { m_editable = on; }
    bool CanEditCell(int col, int row) const;
    bool EditorMode() const;
    void ShowInplaceEdit();
    void HideInplaceEdit();
    // True while the grid or its editor has the keyboard focus.
    bool Focused() const;

    // The footer. A summed column's footer shows the sum of its data cells (text that is not a
    // number counts 0) in the column's format, e.g. "0.00".
    Q_INVOKABLE bool FloatingFooter() const;
    void SetFloatingFooter(bool visible);
    void SetColumnCalc(int col, TColumnCalc calc, const QString &format = QStringLiteral("0.00"));
    void CalcFooter(int col);
    void RecalcFooter();
    QString FooterText(int col) const;
    // The number the footer shows, 0 when it shows none.
    double FooterValue(int col) const;

    // Colours are platform colour values (TColor).
    quint32 Color() const;
    void SetColor(quint32 color);
    quint32 BigCellColor() const { return m_bigCellColor; }
    void SetBigCellColor(quint32 color);
    quint32 GridLineColor() const { return m_gridLineColor; }
    void SetGridLineColor(quint32 color);
    quint32 FixedColor() const { return m_fixedColor; }
    void SetFixedColor(quint32 color);
    quint32 FixedFontColor() const { return m_fixedFontColor; }
    void SetFixedFontColor(quint32 color);
    quint32 FloatingFooterColor() const { return m_floatingFooterColor; }
    void SetFloatingFooterColor(quint32 color);
    QFont FixedFont() const { return m_fixedFont.value_or(font()); }
    void SetFixedFont(const QFont &font);

    void SetOnSelectCell(TSelectCellHandler handler) { m_onSelectCell = std::move(handler); }
    void SetOnCanEditCell(TCanEditCellHandler handler) { m_onCanEditCell = std::move(handler); }
    void SetOnKeyDown(TKeyDownHandler handler) { m_onKeyDown = std::move(handler); }
    void SetOnKeyPress(TKeyPressHandler handler) { m_onKeyPress = std::move(handler); }

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void updateGeometries() override;
    void updateEditorGeometries() override;

private:
    bool HandleKey(QKeyEvent *event);
    bool Navigate(int key, Qt::KeyboardModifiers shift);
    bool TypeCharacter(QChar character);
    bool EditorAtEdge(int key) const;
    void MoveRows(int delta);
    void Advance(int direction);
    void ToggleCheck(int col, int row);
    bool IsShownColumn(int col) const;
    int NextShownColumn(int col, int direction) const;
    int FooterHeight() const;
    int PageRows() const;
    // Row and column settings after the rows changed; the cursor keeps its row number.
    template <typename Change>
    void ChangeRows(Change change);
    void ApplyColumn(int col);
    void SetCurrent(int col, int row);
    void Repaint();

    TAdvColumnGridModel *m_model;
    TAdvColumnGridFooter *m_footer;
    TAdvColumnGridEditor *m_editor;
    int m_editCol = -1;
    int m_editRow = -1;
    QString m_editOriginal;
    int m_selectCellDepth = 0;
    bool m_applyingWidths = false;
    bool m_editable = false;
    int m_defaultRowHeight = 24;
    quint32 m_bigCellColor = clGray;
    quint32 m_gridLineColor = clSilver;
    quint32 m_fixedColor = clBtnFace;
    quint32 m_fixedFontColor = clWindowText;
    quint32 m_floatingFooterColor = clBtnFace;
    std::optional<QFont> m_fixedFont;
    TSelectCellHandler m_onSelectCell;
    TCanEditCellHandler m_onCanEditCell;
    TKeyDownHandler m_onKeyDown;
    TKeyPressHandler m_onKeyPress;
};
