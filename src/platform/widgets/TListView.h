#pragma once

#include "TColor.h"

#include <QTreeWidget>

#include <functional>

class TListItem;

// A read-only list of rows with whole-row selection, in report style (captioned columns) or list
// style (one column, no header), optionally with a check box per row. Rows are TListItems.
// Key handlers are attached through TKeyHooks; double-click and leaving the list have hooks here.
class TListView : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
public:
    enum TViewStyle { vsList, vsReport };
    Q_ENUM(TViewStyle)
    using TNotifyHandler = std::function<void(TListView *sender)>;

    explicit TListView(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TViewStyle ViewStyle() const { return m_viewStyle; }
    void SetViewStyle(TViewStyle style);
    bool Checkboxes() const { return m_checkboxes; }
    void SetCheckboxes(bool on);
    // Whether clicking a column header does anything (it only ever emits the header's signal).
    void SetColumnClick(bool on);

    void AddColumn(const QString &caption, int width);
    void ClearColumns();
    int ColumnCount() const { return columnCount(); }
    QString ColumnCaption(int index) const;

    int ItemCount() const { return topLevelItemCount(); }
    TListItem *Item(int index) const;
    TListItem *AddItem(const QString &caption, const QStringList &subItems = QStringList());
    TListItem *InsertItem(int index, const QString &caption = QString());
    void DeleteItem(int index);
    void ClearItems();

    // The selected row, or null; selecting a row also makes it the current and visible row.
    TListItem *Selected() const;
    void SetSelected(TListItem *item);
    int ItemIndex() const;
    void SetItemIndex(int index);

    void SetOnDblClick(TNotifyHandler handler) { m_onDblClick = std::move(handler); }
    void SetOnExit(TNotifyHandler handler) { m_onExit = std::move(handler); }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void PrepareItem(TListItem *item) const;

    QStringList m_captions;
    TColor m_color = clWindow;
    TViewStyle m_viewStyle = vsReport;
    bool m_checkboxes = false;
    TNotifyHandler m_onDblClick;
    TNotifyHandler m_onExit;
};
