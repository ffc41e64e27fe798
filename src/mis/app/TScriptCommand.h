#pragma once

#include "platform/data/Result.h"

#include <QString>
#include <QStringList>

// One line of a scripted run: the verb and its arguments. The last argument of a verb that
// takes text (type, choose, answer, sql, a control's name …) is the rest of the line, spaces
// included. Blank lines and lines starting with "#" give a command with an empty verb.
struct TScriptCommand {
    int Line = 0;
    QString Verb;
    QStringList Args;

    bool IsEmpty() const { return Verb.isEmpty(); }
    int IntArg(int index) const { return Args.at(index).toInt(); }

    static Result<TScriptCommand> Parse(const QString &text, int line);
    static QString Usage(); // one verb a line, for the error of an unknown command
};
