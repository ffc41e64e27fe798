#include "TFrmChooseOperator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

TFrmChooseOperator::TFrmChooseOperator(const QList<TEmployee> &employees, QWidget *parent)
    : QDialog(parent), m_employees(employees)
{
    setObjectName(QStringLiteral("FrmChooseOperator"));
    setWindowTitle(QStringLiteral("选择操作员"));
    m_cbxOperator = new QComboBox(this);
    m_cbxOperator->setObjectName(QStringLiteral("cbxOperator"));
    for (const TEmployee &employee : employees)
        m_cbxOperator->addItem(employee.first + QLatin1Char(' ') + employee.second);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!employees.isEmpty());
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("操作员："), m_cbxOperator);
    form->addRow(buttons);
}

QString TFrmChooseOperator::OperatorCode() const
{
    const int index = m_cbxOperator->currentIndex();
    return index < 0 ? QString() : m_employees.at(index).first;
}
