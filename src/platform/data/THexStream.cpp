#include "THexStream.h"

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QByteArray THexStream::Decode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        if (text.at(i) == u'#')
            break;
        const int high = HexDigit(text.at(i));
        const int low = HexDigit(text.at(i + 1));
        if (high < 0 || low < 0)
            break;
        bytes.append(char(high * 16 + low));
    }
    return bytes;
}

QString THexStream::Encode(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper()) + u'#';
}
