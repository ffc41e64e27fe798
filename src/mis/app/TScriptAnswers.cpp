#include "TScriptAnswers.h"

#include "TControlFinder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPair>
#include <QPointer>
#include <QTest>

namespace {

QList<QPair<QString, int>> ButtonsOf(unsigned flags)
{
    switch (flags & 0x0F) {
    case Win::MB_OKCANCEL:
        return {{"OK", Win::IDOK}, {"Cancel", Win::IDCANCEL}};
    case Win::MB_YESNOCANCEL:
        return {{"Yes", Win::IDYES}, {"No", Win::IDNO}, {"Cancel", Win::IDCANCEL}};
    case Win::MB_YESNO:
        return {{"Yes", Win::IDYES}, {"No", Win::IDNO}};
    default:
        return {{"OK", Win::IDOK}};
    }
}

QString OneLine(const QString &text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\\n")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// A dialog without inputs is a message; its labels are its text.
QString DialogMessage(QDialog &dialog)
{
    if (dialog.findChild<QLineEdit *>() || dialog.findChild<QAbstractItemView *>())
        return dialog.windowTitle();
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (!label->text().isEmpty())
            texts << label->text();
    return dialog.windowTitle() + QStringLiteral(": ") + OneLine(texts.join(QLatin1Char(' ')));
}

QAbstractButton *ButtonNamed(QDialog &dialog, const QStringList &names)
{
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || !button->isEnabled())
            continue;
        for (const QString &name : names)
            if (button->objectName() == name || TControlFinder::CaptionMatches(button->text(), name))
                return button;
    }
    return nullptr;
}

} // namespace

TScriptAnswers::TScriptAnswers(TStop stop, TPost post) : m_stop(std::move(stop)), m_post(std::move(post))
{
    m_previousBox = Win::SetMessageBoxFunction([this](const Win::TMessageBoxRequest &request) { return ShowBox(request); });
    m_previousRunner = Win::SetModalRunner([this](QDialog &dialog) { return RunModal(dialog); });
}

TScriptAnswers::~TScriptAnswers()
{
    Win::SetMessageBoxFunction(m_previousBox);
    Win::SetModalRunner(m_previousRunner);
}

QStringList TScriptAnswers::TakeMessages()
{
    return std::exchange(m_messages, {});
}

int TScriptAnswers::ShowBox(const Win::TMessageBoxRequest &request)
{
    const QList<QPair<QString, int>> buttons = ButtonsOf(request.Flags);
    if (m_finished)
        return buttons.last().second;
    const QString shown = request.Caption + QStringLiteral(": ") + OneLine(request.Text);
    m_messages << shown;
    if (!m_answers.empty()) {
        for (const auto &[name, result] : buttons) {
            if (name.compare(m_answers.front(), Qt::CaseInsensitive) == 0) {
                m_answers.pop_front();
                return result;
            }
        }
    }
    if (buttons.size() == 1)
        return Win::IDOK;
    QStringList names;
    for (const auto &button : buttons)
        names << button.first;
    m_stop(m_answers.empty()
               ? QStringLiteral("unanswered question \"%1\" (%2): queue an answer before the command that shows it")
                     .arg(shown, names.join(QLatin1Char('/')))
               : QStringLiteral("the answer \"%1\" fits no button of \"%2\" (%3)")
                     .arg(m_answers.front(), shown, names.join(QLatin1Char('/'))));
    return buttons.last().second;
}

int TScriptAnswers::RunModal(QDialog &dialog)
{
    if (m_finished)
        return QDialog::Rejected;
    m_messages << DialogMessage(dialog);
    if (!m_answers.empty()) {
        const QString answer = m_answers.front();
        m_answers.pop_front();
        QPointer<QDialog> target(&dialog);
        m_post([this, target, answer] {
            if (target)
                Apply(*target, answer);
        });
    }
    return dialog.exec();
}

void TScriptAnswers::Apply(QDialog &dialog, const QString &answer)
{
    if (QAbstractButton *button = ButtonNamed(dialog, {answer})) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    if (auto *combo = dialog.findChild<QComboBox *>()) {
        if (combo->isEditable()) {
            combo->setEditText(answer);
        } else {
            const int index = combo->findText(answer);
            if (index < 0) {
                m_stop(QStringLiteral("dialog \"%1\" offers no entry \"%2\"").arg(dialog.windowTitle(), answer));
                return;
            }
            combo->setCurrentIndex(index);
        }
    } else if (auto *edit = dialog.findChild<QLineEdit *>()) {
        edit->setFocus();
        edit->setText(answer);
    } else {
        m_stop(QStringLiteral("the answer \"%1\" fits no button or input of dialog \"%2\"").arg(answer, dialog.windowTitle()));
        return;
    }
    if (QAbstractButton *ok = ButtonNamed(dialog, {"btnOK", "OK", QStringLiteral("确定")}))
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        m_stop(QStringLiteral("dialog \"%1\" has no OK button for the answer \"%2\"").arg(dialog.windowTitle(), answer));
}
