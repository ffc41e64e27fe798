#pragma once

#include <QByteArray>
#include <QString>

// The host keeps a template stream as text: two hexadecimal digits a byte, high digit first,
// ended by "#". Decoding stops at a pair that begins with "#", and early at a pair that is not
// hexadecimal (or a lone last digit); the bytes decoded so far are the stream.
class THexStream {
public:
    static QByteArray Decode(const QString &text);
    static QString Encode(const QByteArray &bytes);
};
