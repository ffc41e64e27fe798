#pragma once

#include "TControlFinder.h"
#include "TScriptAnswers.h"
#include "TScriptCommand.h"

#include "platform/data/Result.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTextStream>

#include <deque>
#include <functional>
#include <memory>

class TFrmHalvernMain;

// Runs a scenario in the host window from a zero-timer queue. Each command becomes one or more
// steps (typing is one step a character), and the step after is queued before a step runs, so
// that a step that opens a modal window or waits in an event loop of its own leaves the next
// steps to run inside that loop; between steps the event loop delivers what the last one posted.
// Prints what it observes to out; the first failure stops the run, is printed to err and ends
// the application's event loops with exit code 1. A finished run ends them with 0.
class TScriptRunner : public QObject {
    Q_OBJECT
public:
    using TSqlText = std::function<Result<QString>(const QString &select)>;

    TScriptRunner(TFrmHalvernMain &host, TSqlText sql, QTextStream &out, QTextStream &err);

    // Parses the whole script first; false (and nothing runs) when a line is not understood.
    bool Start(const QString &script);
    int ExitCode() const { return m_exitCode; }

private:
    struct TStep {
        int Line = 0;
        QString Verb;
        std::function<Result<void>()> Run;
    };
    // Where the keys of one type or key command go: the control's focused part, and after a key
    // that moves the focus on, wherever the focus went — as keys from a keyboard do.
    struct TKeyTarget {
        QPointer<QWidget> Control;
        QWidget *Receiver() const;
    };

    void Step();
    void Schedule();
    void Stop(const QString &why);
    void Expand(const TScriptCommand &command);
    Result<void> Run(const TScriptCommand &command);
    Result<QWidget *> Control(const QString &name, bool mustBeVisible) const;
    Result<void> Focus(const QString &name, TKeyTarget *target) const;
    Result<void> Open(const QString &word);
    Result<void> Click(const QString &name);
    Result<void> Choose(const QString &name, const QString &text);
    Result<void> PrintRows(const QString &name);
    Result<void> Shot(const QString &file);

    TFrmHalvernMain &m_host;
    TControlFinder m_finder;
    TSqlText m_sql;
    QTextStream &m_out;
    QTextStream &m_err;
    TScriptAnswers m_answers;
    QList<TScriptCommand> m_commands;
    qsizetype m_next = 0;
    std::deque<TStep> m_steps;
    int m_line = 0; // of the step running now
    bool m_stopped = false;
    int m_exitCode = 0;
};
