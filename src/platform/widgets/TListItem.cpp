#include "TListItem.h"

#include "TListView.h"

TListItem::TListItem(const QString &caption) : QTreeWidgetItem(QStringList(caption))
{
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

QStringList TListItem::SubItems() const
{
    QStringList subItems;
    for (int index = 0; index < m_subItemCount; ++index)
        subItems << SubItem(index);
    return subItems;
}

void TListItem::SetSubItems(const QStringList &subItems)
{
    for (int index = int(subItems.size()); index < m_subItemCount; ++index)
        setText(index + 1, QString());
    m_subItemCount = 0;
    for (const QString &text : subItems)
        AddSubItem(text);
}

void TListItem::AddSubItem(const QString &text)
{
    setText(++m_subItemCount, text);
}

void TListItem::SetSubItem(int index, const QString &text)
{
    m_subItemCount = qMax(m_subItemCount, index + 1);
    setText(index + 1, text);
}

int TListItem::ImageIndex() const
{
    const QVariant value = data(0, ImageIndexRole);
    return value.isValid() ? value.toInt() : -1;
}

void TListItem::SetImageIndex(int index)
{
    setData(0, ImageIndexRole, index);
}

TListView *TListItem::ListView() const
{
    return static_cast<TListView *>(treeWidget());
}

int TListItem::Index() const
{
    return treeWidget() ? treeWidget()->indexOfTopLevelItem(const_cast<TListItem *>(this)) : -1;
}
