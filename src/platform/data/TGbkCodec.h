#pragma once

#include <QByteArray>
#include <QString>

// Code page 936 (GBK) as the shop's files and field widths count it: one byte for ASCII, two
// for a Chinese character. A character GBK cannot hold is written as "?".
class TGbkCodec {
public:
    static QByteArray Encode(const QString &text);
    static QString Decode(const QByteArray &bytes);
    static int ByteLength(const QString &text);
    // The longest prefix of text that fits into maxBytes, never half of a double-byte character.
    static QString CutToBytes(const QString &text, int maxBytes);
};
