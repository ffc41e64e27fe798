#include "TScriptRunner.h"

#include "TControlText.h"
#include "TFrmHalvernMain.h"
#include "TItemViewAccess.h"
#include "TKeyChord.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QTest>
#include <QTimer>

TScriptRunner::TScriptRunner(TFrmHalvernMain &host, TSqlText sql, QTextStream &out, QTextStream &err)
    : m_host(host), m_finder(host), m_sql(std::move(sql)), m_out(out), m_err(err),
      m_answers([this](const QString &why) { Stop(why); },
                [this](std::function<void()> action) {
                    // A dialog's answer goes before whatever the script does next.
                    m_steps.push_front(TStep{m_line, QStringLiteral("answer"), [action] {
                                                 action();
                                                 return Success();
                                             }});
                })
{
}

bool TScriptRunner::Start(const QString &script)
{
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Result<TScriptCommand> command = TScriptCommand::Parse(lines[i], int(i + 1));
        if (!command) {
            m_err << "script: " << command.Error() << Qt::endl;
            m_exitCode = 1;
            m_stopped = true;
            return false;
        }
        if (!command->IsEmpty())
            m_commands << *command;
    }
    Schedule();
    return true;
}

void TScriptRunner::Schedule()
{
    QTimer::singleShot(0, this, &TScriptRunner::Step);
}

void TScriptRunner::Step()
{
    if (m_stopped)
        return;
    if (m_steps.empty()) {
        if (m_next == m_commands.size()) {
            m_stopped = true;
            m_answers.Finish();
            m_out.flush();
            QCoreApplication::exit(m_exitCode);
            return;
        }
        Expand(m_commands[m_next++]);
    }
    const TStep step = std::move(m_steps.front());
    m_steps.pop_front();
    m_line = step.Line;
    Schedule();
    try {
        const Result<void> done = step.Run();
        if (!done)
            Stop(QStringLiteral("line %1: %2: %3").arg(step.Line).arg(step.Verb, done.Error()));
    } catch (const std::exception &error) {
        Stop(QStringLiteral("line %1: %2 raised: %3").arg(step.Line).arg(step.Verb, QString::fromUtf8(error.what())));
    }
    m_out.flush();
}

void TScriptRunner::Stop(const QString &why)
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_exitCode = 1;
    m_answers.Finish();
    m_out.flush();
    m_err << "script stopped: " << why << Qt::endl;
    QCoreApplication::exit(m_exitCode);
}

void TScriptRunner::Expand(const TScriptCommand &command)
{
    auto add = [&](std::function<Result<void>()> run) { m_steps.push_back(TStep{command.Line, command.Verb, std::move(run)}); };
    const QString verb = command.Verb;
    if (verb != QLatin1String("type") && verb != QLatin1String("key")) {
        add([this, command] { return Run(command); });
        return;
    }
    const auto target = std::make_shared<TKeyTarget>();
    const QString name = command.Args[0];
    add([this, name, target] { return Focus(name, target.get()); });
    if (verb == QLatin1String("key")) {
        const QString keyName = command.Args[1];
        add([target, keyName]() -> Result<void> {
            const Result<TKeyChord> chord = TKeyChord::Parse(keyName);
            if (!chord)
                return Failure(chord.Error());
            QWidget *receiver = target->Receiver();
            if (!receiver)
                return Failure(QStringLiteral("the control went away"));
            QTest::keyClick(receiver, Qt::Key(chord->Key), chord->Modifiers);
            return Success();
        });
        return;
    }
    for (const QChar c : command.Args[1]) {
        add([target, c]() -> Result<void> {
            QWidget *receiver = target->Receiver();
            if (!receiver)
                return Failure(QStringLiteral("the control went away while typing"));
            // The key code of a Latin character is its upper-case letter; others travel as text.
            const int key = c.unicode() < 0x80 ? c.toUpper().unicode() : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(receiver, &press);
            QApplication::sendEvent(receiver, &release);
            return Success();
        });
    }
}

QWidget *TScriptRunner::TKeyTarget::Receiver() const
{
    if (Control && Control->focusPolicy() == Qt::NoFocus && !Control->focusProxy())
        return Control;
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : Control.data();
}

Result<QWidget *> TScriptRunner::Control(const QString &name, bool mustBeVisible) const
{
    QWidget *control = m_finder.Find(name);
    if (!control)
        return Failure(QStringLiteral("no control named \"%1\"").arg(name));
    if (mustBeVisible && !control->isVisible())
        return Failure(QStringLiteral("control \"%1\" is not visible").arg(name));
    return control;
}

Result<void> TScriptRunner::Focus(const QString &name, TKeyTarget *target) const
{
    const Result<QWidget *> control = Control(name, true);
    if (!control)
        return Failure(control.Error());
    QWidget *widget = *control;
    if (!widget->window()->isActiveWindow())
        widget->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
    if (target)
        target->Control = widget;
    return Success();
}

Result<void> TScriptRunner::Run(const TScriptCommand &command)
{
    const QString &verb = command.Verb;
    const QStringList &args = command.Args;
    if (verb == QLatin1String("open"))
        return Open(args[0]);
    if (verb == QLatin1String("focus"))
        return Focus(args[0], nullptr);
    if (verb == QLatin1String("click"))
        return Click(args[0]);
    if (verb == QLatin1String("answer")) {
        m_answers.Queue(args[0]);
        return Success();
    }
    if (verb == QLatin1String("choose"))
        return Choose(args[0], args[1]);
    if (verb == QLatin1String("show")) {
        const Result<QWidget *> control = Control(args[0], false);
        if (!control)
            return Failure(control.Error());
        m_out << args[0] << ": " << TControlText::Of(*control) << Qt::endl;
        return Success();
    }
    if (verb == QLatin1String("focused")) {
        QWidget *focus = QApplication::focusWidget();
        m_out << "focused: " << (focus ? focus->objectName() : QStringLiteral("(none)")) << Qt::endl;
        return Success();
    }
    if (verb == QLatin1String("messages")) {
        const QStringList messages = m_answers.TakeMessages();
        m_out << "messages: " << messages.size() << Qt::endl;
        for (const QString &message : messages)
            m_out << "  " << message << Qt::endl;
        return Success();
    }
    if (verb == QLatin1String("rows"))
        return PrintRows(args[0]);
    if (verb == QLatin1String("sql")) {
        const Result<QString> rows = m_sql(args[0]);
        if (!rows)
            return Failure(rows.Error());
        m_out << *rows << (rows->endsWith(QLatin1Char('\n')) || rows->isEmpty() ? "" : "\n");
        return Success();
    }
    if (verb == QLatin1String("shot"))
        return Shot(args[0]);

    // The cell commands: GRID COL ROW.
    const Result<QWidget *> control = Control(args[0], verb != QLatin1String("showcell"));
    if (!control)
        return Failure(control.Error());
    TItemViewAccess grid(*control);
    if (!grid.IsGrid())
        return Failure(QStringLiteral("\"%1\" is not a grid or list").arg(args[0]));
    const int column = command.IntArg(1);
    const int row = command.IntArg(2);
    if (verb == QLatin1String("cell"))
        return grid.SetCurrentCell(column, row);
    if (verb == QLatin1String("check"))
        return grid.ToggleCheck(column, row);
    const Result<QString> text = grid.CellText(column, row);
    if (!text)
        return Failure(text.Error());
    m_out << args[0] << "[" << column << "," << row << "]: " << *text << Qt::endl;
    return Success();
}

Result<void> TScriptRunner::Open(const QString &word)
{
    const TFormKind *kind = FindFormKind(word);
    if (!kind)
        return Failure(QStringLiteral("no form \"%1\"; forms: input, search, del, billsearch, modify").arg(word));
    QWidget *button = m_host.findChild<QWidget *>(kind->ButtonName);
    QTest::mouseClick(button, Qt::LeftButton);
    if (QWidget *form = m_host.EmbeddedForm(); form && form->isVisible())
        m_out << "open " << word << ": " << form->windowTitle() << " (" << form->objectName() << ")" << Qt::endl;
    else
        m_out << "open " << word << ": the form closed at once" << Qt::endl;
    return Success();
}

Result<void> TScriptRunner::Click(const QString &name)
{
    const Result<QWidget *> control = Control(name, true);
    if (!control)
        return Failure(control.Error());
    if (!(*control)->isEnabled()) {
        m_out << "click " << name << ": not enabled, nothing happens" << Qt::endl;
        return Success();
    }
    QTest::mouseClick(*control, Qt::LeftButton, Qt::NoModifier, (*control)->rect().center());
    return Success();
}

Result<void> TScriptRunner::Choose(const QString &name, const QString &text)
{
    const Result<QWidget *> control = Control(name, true);
    if (!control)
        return Failure(control.Error());
    if (auto *combo = qobject_cast<QComboBox *>(*control)) {
        const int index = combo->findText(text);
        if (index < 0) {
            QStringList entries;
            for (int i = 0; i < combo->count(); ++i)
                entries << combo->itemText(i);
            return Failure(QStringLiteral("no entry \"%1\" in %2 (entries: %3)").arg(text, name, entries.join(", ")));
        }
        combo->setFocus(Qt::OtherFocusReason);
        combo->setCurrentIndex(index);
        // As when the clerk picks the entry from the drop-down list.
        emit combo->activated(index);
        emit combo->textActivated(text);
        return Success();
    }
    TItemViewAccess list(*control);
    if (!list.IsGrid())
        return Failure(QStringLiteral("\"%1\" is neither a combo box nor a list").arg(name));
    return list.ChooseRow(text);
}

Result<void> TScriptRunner::PrintRows(const QString &name)
{
    const Result<QWidget *> control = Control(name, false);
    if (!control)
        return Failure(control.Error());
    const TItemViewAccess grid(*control);
    if (!grid.IsGrid())
        return Failure(QStringLiteral("\"%1\" is not a grid or list").arg(name));
    bool hasHeader = false;
    const QStringList lines = grid.HeaderAndRows(hasHeader);
    m_out << "rows " << name << ": " << (lines.size() - (hasHeader ? 1 : 0)) << Qt::endl;
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_out << (hasHeader && i == 0 ? "  [header] " : "  ") << lines[i] << Qt::endl;
    return Success();
}

Result<void> TScriptRunner::Shot(const QString &file)
{
    if (QFileInfo(file).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        return Failure(QStringLiteral("a screenshot is a .png file, not %1").arg(file));
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!m_finder.FrontWindow()->grab().save(file, "PNG"))
        return Failure(QStringLiteral("cannot write %1").arg(file));
    m_out << "shot " << file << Qt::endl;
    return Success();
}
