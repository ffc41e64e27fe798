#pragma once

#include "Result.h"
#include "TFieldDef.h"

#include <QByteArray>
#include <QList>
#include <QVariant>

// The wire format of a dataset between host and module. Self-describing and versioned:
//   "HVPK", u16 version (1), u16 field count,
//   per field: u16 name length, UTF-8 name, u8 type, u32 width,
//   u32 row count, per row and field: u8 present (0 = null) and, when present, the value
//   (String: u32 length + UTF-8; Integer: i64; Float: IEEE-754 f64; Boolean: u8;
//   DateTime: i64 milliseconds since the epoch, UTC). All numbers little-endian.
// Decoding checks every length against the bytes that remain, so a truncated or corrupt packet
// fails with a message and never reads out of bounds.
class TDataPacket {
public:
    struct Content {
        QList<TFieldDef> Fields;
        QList<QList<QVariant>> Rows;
    };

    static constexpr quint16 Version = 1;

    static QByteArray Encode(const QList<TFieldDef> &fields, const QList<QList<QVariant>> &rows);
    static Result<Content> Decode(const QByteArray &packet);
};
