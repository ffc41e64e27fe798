#pragma once

#include "Result.h"
#include "TField.h"
#include "TFieldDef.h"

#include <QByteArray>
#include <QList>
#include <QVariant>

#include <optional>

// An in-memory table with a cursor: the client dataset loaded from host packets, the dataset
// over a recordset, and the print dataset. Field names are matched without regard to case.
// Values are converted to the field's type when written; a text longer than its field's width
// is cut at the last whole character within the width.
class TDataSet {
public:
    TDataSet() = default;
    explicit TDataSet(QList<TFieldDef> fields);

    // Structure
    TFieldDef &AddField(const QString &name, TFieldType type, int size = 0);
    int FieldCount() const { return int(m_fields.size()); }
    const QList<TFieldDef> &FieldDefs() const { return m_fields; }
    TFieldDef &FieldDef(int index) { return m_fields[index]; }
    const TFieldDef &FieldDef(int index) const { return m_fields[index]; }
    int IndexOfField(const QString &name) const;
    TField Fields(int index) { return TField(this, index); }
    std::optional<TField> FindField(const QString &name);
    TField FieldByName(const QString &name); // raises EDatabaseError for an unknown name
    void Clear();                            // fields and rows
    void EmptyDataSet();                     // rows only

    // Rows and cursor; RecNo counts from 1 and is 0 on an empty dataset.
    int RecordCount() const { return int(m_rows.size()); }
    bool IsEmpty() const { return m_rows.isEmpty(); }
    int RecNo() const { return m_rows.isEmpty() ? 0 : m_cursor + 1; }
    void SetRecNo(int recNo);
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    // Moves to the first row whose field equals value (texts compared case-insensitively).
    bool Locate(const QString &fieldName, const QVariant &value);

    QVariant Value(int row, int field) const { return m_rows.at(row).at(field); }
    void SetValue(int row, int field, const QVariant &value);

    // Editing: Append adds an empty row and makes it current; values are written through
    // FieldByName(...).SetValue; Post ends the append and records it in the change log.
    void Append();
    void Post();
    void Delete();
    int ChangeCount() const { return m_changeCount; }
    void MergeChangeLog() { m_changeCount = 0; }

    // Sorts the rows by the ';'-separated field names, stable; an empty text keeps the order.
    void SetIndexFieldNames(const QString &names);

    // Packets: Data() is the packet of all rows; SetData replaces structure and rows.
    QByteArray Data() const;
    Result<void> SetData(const QByteArray &packet);
    static Result<TDataSet> FromPacket(const QByteArray &packet);

    QVariant ConvertForField(int field, const QVariant &value) const;

private:
    friend class TField;
    QVariant CurrentValue(int field) const;
    void SetCurrentValue(int field, const QVariant &value);

    QList<TFieldDef> m_fields;
    QList<QList<QVariant>> m_rows;
    int m_cursor = 0;
    bool m_eof = true;
    bool m_bof = true;
    int m_changeCount = 0;
};
