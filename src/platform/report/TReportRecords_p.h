#pragma once

#include "TReportObject.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The line format shared by saved templates and prepared reports: one record a line, a type
// word followed by Name=Value attributes; values with blanks or quotes are written in double
// quotes with \" \\ \n escapes. Blank lines and lines starting with ';' are skipped.
namespace ReportRecords {

// Raised by the readers below; Load turns it into a failure naming the line.
struct TFormatError {
    QString Message;
};

struct TRecord {
    int Line = 0;
    QString Type;
    QList<QPair<QString, QString>> Attributes;

    bool Has(const QString &name) const;
    QString Text(const QString &name, const QString &defaultValue = QString()) const;
    double Number(const QString &name, double defaultValue) const;
    bool Flag(const QString &name, bool defaultValue) const;
    QList<double> Numbers(const QString &name, int count) const; // raises when absent or short
    void CheckNames(const QStringList &known) const;
};

// Splits the text into records; the first record must be signature with a version the caller
// checks. Raises TFormatError.
QList<TRecord> Parse(const QByteArray &stream, const QString &signature, int *version);

QString Quote(const QString &value);
QString Number(double value);

bool IsObjectRecord(const QString &type);
TReportObject ReadObject(const TRecord &record);
QString WriteObject(const TReportObject &object);

} // namespace ReportRecords
