#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The SELECT texts of the lookups, in the dialect of the database type the host reports. The
// clerk's search text goes between single quotes with every quote in it doubled, so that it is
// always read as text and never as part of the statement. Widget-free.
namespace LookupSql {

// The record-type group a manufacturer search mode (0 to 11) chooses: which tbcsda rows it
// covers and how the list's columns are captioned.
struct TManufacturerGroup {
    QString Filter;
    QString CodeCaption;
    QString NameCaption;
};
enum class TSearchKind { ByCode, ByName, ByMnemonic };

// None for a mode above 11.
std::optional<TManufacturerGroup> ManufacturerGroup(quint8 mode);
TSearchKind SearchKind(quint8 mode);

// text as the contents of a single-quoted SQL literal.
QString Quoted(const QString &text);

QString CurrentMonth();
// Name or mnemonic contains text, at most 1000 rows, in code order; the cap written for
// "DB2" and "ORACLE" by their own forms, for any other type as "SQLSERVER".
QString ManufacturerSearch(const QString &dbType, TSearchKind kind, const QString &filter, const QString &text);
QString ManufacturerMinLevel(const QString &filter, const QString &codePrefix);
QString ManufacturerLevel(const QString &filter, int level, const QString &codePrefix);
QString Manufacturer(const QString &code);

// mode 1 searches by name, any other mode by code; both match text as a prefix.
QString PayModeSearch(quint8 mode, const QString &text);
QString PayInOutSearch(quint8 mode, const QString &text);

} // namespace LookupSql
