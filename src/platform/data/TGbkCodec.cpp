#include "TGbkCodec.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One iconv conversion of a whole buffer; where the input cannot be converted, replacement is
// written and skip input bytes are passed over.
QByteArray Convert(const char *to, const char *from, const QByteArray &input, const QByteArray &replacement,
                   size_t skip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray output;
    output.resize(input.size() * 2 + 8);
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = size_t(input.size());
    char *out = output.data();
    size_t outLeft = size_t(output.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = out - output.data();
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = size_t(output.size() - used);
            continue;
        }
        // Invalid or incomplete input: emit a replacement and skip one input unit.
        const qsizetype used = out - output.data();
        output.resize(used);
        output.append(replacement);
        output.resize(output.size() + qsizetype(inLeft) * 2 + 8);
        out = output.data() + used + replacement.size();
        outLeft = size_t(output.size() - used - replacement.size());
        const size_t passed = qMin(skip, inLeft);
        in += passed;
        inLeft -= passed;
    }
    iconv_close(cd);
    output.resize(out - output.data());
    return output;
}

} // namespace

QByteArray TGbkCodec::Encode(const QString &text)
{
    QByteArray encoded;
    encoded.reserve(text.size() * 2);
    // Per character, so that an unencodable character (or a surrogate pair) becomes one '?'.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QChar c = text.at(i);
        if (length == 1 && c.unicode() < 0x80) {
            encoded.append(char(c.unicode()));
        } else {
            const QByteArray utf8 = text.mid(i, length).toUtf8();
            encoded.append(Convert("GBK", "UTF-8", utf8, QByteArrayLiteral("?"), size_t(utf8.size())));
        }
        i += length;
    }
    return encoded;
}

QString TGbkCodec::Decode(const QByteArray &bytes)
{
    const QByteArray utf16 = Convert("UTF-16LE", "GBK", bytes, QByteArrayLiteral("\xFD\xFF"), 1);
    return QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2);
}

int TGbkCodec::ByteLength(const QString &text)
{
    return int(Encode(text).size());
}

QString TGbkCodec::CutToBytes(const QString &text, int maxBytes)
{
    if (maxBytes <= 0)
        return {};
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const int bytes = text.at(i).unicode() < 0x80 && length == 1 ? 1 : ByteLength(text.mid(i, length));
        if (used + bytes > maxBytes)
            return text.left(i);
        used += bytes;
        i += length;
    }
    return text;
}
