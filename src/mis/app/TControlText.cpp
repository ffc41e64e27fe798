#include "TControlText.h"

#include "TItemViewAccess.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QVariant>

QString TControlText::Of(QWidget *widget)
{
    if (auto *bar = qobject_cast<QStatusBar *>(widget))
        return bar->currentMessage();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->isCheckable() ? button->text() + (button->isChecked() ? " [x]" : " [ ]") : button->text();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        return plain->toPlainText();
    if (auto *rich = qobject_cast<QTextEdit *>(widget))
        return rich->toPlainText();
    if (qobject_cast<QAbstractItemView *>(widget))
        if (const TItemViewAccess grid(widget); grid.IsGrid())
            return grid.CurrentText();
    for (const char *property : {"text", "Caption", "caption"}) {
        const QVariant value = widget->property(property);
        if (value.isValid())
            return value.toString();
    }
    return widget->windowTitle();
}
