#pragma once

#include "TPageSettings.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

// Paper, orientation and margins of a report; hands the chosen settings back.
class TPageSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPageSetupDialog(const TPageSettings &settings, QWidget *parent = nullptr);

    TPageSettings Settings() const;

private:
    TPageSettings m_original;
    QComboBox *m_paper;
    QRadioButton *m_portrait;
    QRadioButton *m_landscape;
    QDoubleSpinBox *m_margins[4];
};
