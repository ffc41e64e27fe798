#pragma once

#include <QStringList>
#include <QTreeWidgetItem>
#include <QVariant>

class TListView;

// One row of a TListView: the caption in the first column, the sub-items in the columns after
// it, a check mark when the list shows check boxes, and an image index that callers use as a
// link back to what the row stands for.
class TListItem : public QTreeWidgetItem {
public:
    explicit TListItem(const QString &caption = QString());

    QString Caption() const { return text(0); }
    void SetCaption(const QString &caption) { setText(0, caption); }
    QStringList SubItems() const;
    void SetSubItems(const QStringList &subItems);
    void AddSubItem(const QString &text);
    // Empty for a sub-item that was never set.
    QString SubItem(int index) const { return text(index + 1); }
    void SetSubItem(int index, const QString &text);
    bool Checked() const { return checkState(0) == Qt::Checked; }
    void SetChecked(bool checked) { setCheckState(0, checked ? Qt::Checked : Qt::Unchecked); }
    int ImageIndex() const;
    void SetImageIndex(int index);
    QVariant Data() const { return data(0, DataRole); }
    void SetData(const QVariant &value) { setData(0, DataRole, value); }
    TListView *ListView() const;
    int Index() const;

private:
    static constexpr int ImageIndexRole = Qt::UserRole + 1;
    static constexpr int DataRole = Qt::UserRole + 2;
    int m_subItemCount = 0;
};
