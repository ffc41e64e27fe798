#include "TTemplateEditor.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TTemplateEditor::TTemplateEditor(const QString &text, QWidget *parent) : QDialog(parent), m_editor(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("TemplateEditor"));
    setWindowTitle(QStringLiteral("报表设计"));
    m_editor->setObjectName(QStringLiteral("edtTemplate"));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setPlainText(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    layout->addWidget(buttons);
    resize(900, 600);
}

QString TTemplateEditor::Text() const
{
    return m_editor->toPlainText();
}
