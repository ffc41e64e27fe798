#pragma once

#include <QString>

class QWidget;

// What the clerk reads on a control: an edit's or label's text, a combo box's current entry, a
// check box's caption with its state, a status bar's message, a list's current row.
class TControlText {
public:
    static QString Of(QWidget *widget);
};
