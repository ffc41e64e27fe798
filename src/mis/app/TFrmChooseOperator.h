#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QComboBox;

// The operator's choice at start: the shop's employees, code and name, one to pick.
class TFrmChooseOperator : public QDialog {
    Q_OBJECT
public:
    using TEmployee = QPair<QString, QString>; // code, name

    explicit TFrmChooseOperator(const QList<TEmployee> &employees, QWidget *parent = nullptr);

    QString OperatorCode() const; // empty when the list was empty

private:
    QComboBox *m_cbxOperator;
    QList<TEmployee> m_employees;
};
