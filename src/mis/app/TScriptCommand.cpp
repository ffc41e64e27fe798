#include "TScriptCommand.h"

#include <QList>

namespace {

struct TVerb {
    QString Name;
    QString Arguments; // the words after the verb; "…" marks the rest of the line
    int Count;
    int FirstNumber; // index of the first of the trailing numeric arguments, -1 for none
};

const QList<TVerb> &Verbs()
{
    static const QList<TVerb> verbs = {
        {"open", "input|search|del|billsearch|modify", 1, -1},
        {"focus", "NAME…", 1, -1},
        {"type", "NAME TEXT…", 2, -1},
        {"key", "NAME KEY", 2, -1},
        {"click", "NAME…", 1, -1},
        {"cell", "GRID COL ROW", 3, 1},
        {"answer", "BUTTON|TEXT…", 1, -1},
        {"choose", "NAME TEXT…", 2, -1},
        {"check", "GRID COL ROW", 3, 1},
        {"show", "NAME…", 1, -1},
        {"showcell", "GRID COL ROW", 3, 1},
        {"rows", "NAME…", 1, -1},
        {"focused", "", 0, -1},
        {"messages", "", 0, -1},
        {"sql", "SELECT…", 1, -1},
        {"shot", "FILE.png…", 1, -1},
    };
    return verbs;
}

// Words that end in the rest of the line: count-1 single words, then everything left.
QStringList SplitArguments(const QString &rest, int count, bool takesRest)
{
    QStringList words;
    QString left = rest.trimmed();
    const int single = takesRest ? count - 1 : count;
    while (!left.isEmpty() && words.size() < single) {
        const qsizetype space = left.indexOf(QLatin1Char(' '));
        words << (space < 0 ? left : left.left(space));
        left = space < 0 ? QString() : left.mid(space + 1).trimmed();
    }
    // The rest of the line, or a word too many that the caller's count check reports.
    if (!left.isEmpty())
        words << left;
    return words;
}

} // namespace

Result<TScriptCommand> TScriptCommand::Parse(const QString &text, int line)
{
    TScriptCommand command;
    command.Line = line;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return command;

    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    const QString verb = space < 0 ? trimmed : trimmed.left(space);
    const QString rest = space < 0 ? QString() : trimmed.mid(space + 1);
    for (const TVerb &known : Verbs()) {
        if (known.Name != verb)
            continue;
        const QStringList args = SplitArguments(rest, known.Count, known.Arguments.endsWith(QChar(0x2026)));
        const QString usage = QStringLiteral("line %1: usage: %2 %3").arg(line).arg(verb, known.Arguments).trimmed();
        if (args.size() != known.Count)
            return Failure(usage);
        for (int i = known.FirstNumber; i >= 0 && i < args.size(); ++i) {
            bool number = false;
            if (args[i].toInt(&number) < 0 || !number)
                return Failure(usage + QStringLiteral(" (COL and ROW are numbers from 0)"));
        }
        command.Verb = verb;
        command.Args = args;
        return command;
    }
    return Failure(QStringLiteral("line %1: unknown command \"%2\"; known commands:\n%3").arg(line).arg(verb, Usage()));
}

QString TScriptCommand::Usage()
{
    QStringList lines;
    for (const TVerb &verb : Verbs())
        lines << QStringLiteral("  ") + QStringLiteral("%1 %2").arg(verb.Name, verb.Arguments).trimmed();
    return lines.join(QLatin1Char('\n'));
}
