#pragma once

#include "platform/data/TRecordset.h"
#include "platform/win/WindowHandles.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVariant>

// The module's small shared routines: configuration-file access, text and number helpers,
// month arithmetic over the month-partitioned bill tables, and the one way a failed host call
// is reported to the user. Free functions without state.

// The ini file is folder + fileName when folder is neither empty nor a lone separator, else the
// host program's folder + fileName; no separator is inserted, so folder must end with one.
void ReadIni(const QString &fileName, const QString &section, const QString &key, QString &value,
             const QString &folder, const QString &defaultValue);
void WriteIni(const QString &fileName, const QString &section, const QString &key, const QString &folder,
              const QString &value);

QString IfThenText(bool flag, const QString &whenTrue, const QString &whenFalse);
// Never raises: any text that is not a 64-bit integer gives false.
bool IsIntegerText(const QString &text);
// Decimal text left-padded with "0" to width; a longer text keeps its last width digits when cut.
QString PadNumber(int width, bool cut, qint64 value);

// Months are six-digit texts yyyymm, compared as texts.
bool IsYearMonth(const QString &text);
// Raises EConvertError for a text that is not a month.
QString PrevMonth(const QString &month);
// last, the month before it, and so on down to first; empty when first is later than last.
void MonthList(const QString &first, const QString &last, QStringList &list);
// The template once per month from first to last, oldest first, with every "tb000000" replaced
// by "tb" and the month, joined by " Union " (distinct) or " Union All ".
void UnionMonths(const QString &sqlTemplate, const QString &first, const QString &last, QString &text,
                 bool distinct);

// Joins the host's messages (prefix first, one per line) into text and, when window is not 0,
// shows them in an error box owned by window. An unreadable payload reads "未知错误！".
void ShowHostError(Win::HWND window, const QVariant &payload, const QString &prefix, QString &text);
// The recordset QueryRecordset handed back; a null one when the variant holds none.
TRecordset AsRecordset(const QVariant &value);

// 0 for an empty text, else 1 + the number of separators.
int FieldCount(const QString &text, QChar separator);
// The n-th field (from 1) between separators; empty when the field found would be the whole
// text, that is for a text without separators and for n beyond the last field.
QString FieldAt(const QString &text, QChar separator, int n);
// The trimmed pieces of text between separators; false when any piece is empty.
bool SplitTrimmed(const QString &separator, const QString &text, QStringList &list);
