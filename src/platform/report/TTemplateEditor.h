#pragma once

#include <QDialog>

class QPlainTextEdit;

// The design window of the preview: the template's saved text in a plain editor. It hands the
// edited text back; reading it is the caller's business.
class TTemplateEditor : public QDialog {
    Q_OBJECT
public:
    explicit TTemplateEditor(const QString &text, QWidget *parent = nullptr);

    QString Text() const;

private:
    QPlainTextEdit *m_editor;
};
