#include "TPageSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageSize>
#include <QRadioButton>

namespace {
const QPageSize::PageSizeId Papers[] = {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::B5, QPageSize::Letter};
}

TPageSetupDialog::TPageSetupDialog(const TPageSettings &settings, QWidget *parent)
    : QDialog(parent), m_original(settings), m_paper(new QComboBox(this)),
      m_portrait(new QRadioButton(QStringLiteral("纵向"), this)), m_landscape(new QRadioButton(QStringLiteral("横向"), this))
{
    setObjectName(QStringLiteral("PageSetup"));
    setWindowTitle(QStringLiteral("页面设置"));
    m_paper->setObjectName(QStringLiteral("cboPaper"));
    for (const QPageSize::PageSizeId id : Papers)
        m_paper->addItem(QPageSize::key(id));
    if (m_paper->findText(settings.PaperName) < 0)
        m_paper->addItem(settings.PaperName);
    m_paper->setCurrentText(settings.PaperName);
    m_portrait->setObjectName(QStringLiteral("rbPortrait"));
    m_landscape->setObjectName(QStringLiteral("rbLandscape"));
    (settings.Landscape ? m_landscape : m_portrait)->setChecked(true);

    const char *names[] = {"edtLeft", "edtTop", "edtRight", "edtBottom"};
    const double values[] = {settings.Margins.left(), settings.Margins.top(), settings.Margins.right(), settings.Margins.bottom()};
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = new QDoubleSpinBox(this);
        m_margins[i]->setObjectName(QLatin1String(names[i]));
        m_margins[i]->setRange(0, 80);
        m_margins[i]->setDecimals(1);
        m_margins[i]->setSuffix(QStringLiteral(" mm"));
        m_margins[i]->setValue(values[i]);
    }
    auto *orientation = new QHBoxLayout;
    orientation->addWidget(m_portrait);
    orientation->addWidget(m_landscape);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("纸张"), m_paper);
    form->addRow(QStringLiteral("方向"), orientation);
    form->addRow(QStringLiteral("左边距"), m_margins[0]);
    form->addRow(QStringLiteral("上边距"), m_margins[1]);
    form->addRow(QStringLiteral("右边距"), m_margins[2]);
    form->addRow(QStringLiteral("下边距"), m_margins[3]);
    form->addRow(buttons);
}

TPageSettings TPageSetupDialog::Settings() const
{
    TPageSettings settings = m_original;
    for (const QPageSize::PageSizeId id : Papers)
        if (QPageSize::key(id) == m_paper->currentText()) {
            settings.PaperName = m_paper->currentText();
            settings.PaperSize = QPageSize(id).size(QPageSize::Millimeter);
        }
    settings.Landscape = m_landscape->isChecked();
    settings.Margins = QMarginsF(m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value());
    return settings;
}
