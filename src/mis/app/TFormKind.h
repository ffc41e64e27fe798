#pragma once

#include <QList>
#include <QString>

// The five forms the host opens through the plug-in's entry points: the word a script names a
// form by, the caption of the host window's button and the entry point's exported name.
struct TFormKind {
    QString Word;
    QString Caption;
    const char *EntryName;
    QString ButtonName;
};

const QList<TFormKind> &FormKinds();
// Null when word names no form.
const TFormKind *FindFormKind(const QString &word);
