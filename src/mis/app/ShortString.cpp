#include "ShortString.h"

#include "platform/data/TGbkCodec.h"

QByteArray ShortString(const QString &text)
{
    const QByteArray bytes = TGbkCodec::Encode(TGbkCodec::CutToBytes(text, 255));
    return char(quint8(bytes.size())) + bytes;
}
