#include "TListView.h"

#include "TListItem.h"

#include <QFocusEvent>
#include <QHeaderView>

TListView::TListView(QWidget *parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    setColumnCount(0);
    SetColumnClick(false);
    SetColor(m_color);
}

void TListView::SetColor(TColor color)
{
    m_color = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ColorToQColor(color));
    setPalette(colours);
}

void TListView::SetViewStyle(TViewStyle style)
{
    m_viewStyle = style;
    setHeaderHidden(style == vsList);
    // A list-style list is one column as wide as the list.
    header()->setStretchLastSection(style == vsList);
}

void TListView::SetCheckboxes(bool on)
{
    m_checkboxes = on;
    for (int i = 0; i < ItemCount(); ++i)
        PrepareItem(Item(i));
}

void TListView::SetColumnClick(bool on)
{
    header()->setSectionsClickable(on);
}

void TListView::AddColumn(const QString &caption, int width)
{
    m_captions << caption;
    setColumnCount(int(m_captions.size()));
    setHeaderLabels(m_captions);
    setColumnWidth(int(m_captions.size()) - 1, width);
}

void TListView::ClearColumns()
{
    m_captions.clear();
    setColumnCount(0);
}

QString TListView::ColumnCaption(int index) const
{
    return m_captions.value(index);
}

TListItem *TListView::Item(int index) const
{
    return static_cast<TListItem *>(topLevelItem(index));
}

TListItem *TListView::AddItem(const QString &caption, const QStringList &subItems)
{
    TListItem *item = InsertItem(ItemCount(), caption);
    item->SetSubItems(subItems);
    return item;
}

TListItem *TListView::InsertItem(int index, const QString &caption)
{
    auto *item = new TListItem(caption);
    PrepareItem(item);
    insertTopLevelItem(index, item);
    return item;
}

void TListView::DeleteItem(int index)
{
    delete takeTopLevelItem(index);
}

void TListView::ClearItems()
{
    clear();
}

TListItem *TListView::Selected() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? nullptr : static_cast<TListItem *>(items.first());
}

void TListView::SetSelected(TListItem *item)
{
    if (!item) {
        clearSelection();
        return;
    }
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

int TListView::ItemIndex() const
{
    TListItem *item = Selected();
    return item ? indexOfTopLevelItem(item) : -1;
}

void TListView::SetItemIndex(int index)
{
    SetSelected(Item(index));
}

void TListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (m_onDblClick)
        m_onDblClick(this);
}

void TListView::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    // A menu or the list's own popup taking the focus for a moment is not leaving the list.
    if (m_onExit && event->reason() != Qt::PopupFocusReason)
        m_onExit(this);
}

void TListView::PrepareItem(TListItem *item) const
{
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (m_checkboxes) {
        flags |= Qt::ItemIsUserCheckable;
        if (item->data(0, Qt::CheckStateRole).isNull())
            item->SetChecked(false);
    }
    item->setFlags(flags);
}
