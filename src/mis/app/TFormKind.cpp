#include "TFormKind.h"

const QList<TFormKind> &FormKinds()
{
    static const QList<TFormKind> kinds = {
        {"input", QStringLiteral("录入"), "GetZorvaFormInput", "btnInput"},
        {"search", QStringLiteral("查询"), "GetZorvaFormSearch", "btnSearch"},
        {"del", QStringLiteral("作废"), "GetZorvaFormDel", "btnDel"},
        {"billsearch", QStringLiteral("明细查询"), "GetZorvaFormBillSearch", "btnBillSearch"},
        {"modify", QStringLiteral("修改"), "GetZorvaFormBillModify", "btnModify"},
    };
    return kinds;
}

const TFormKind *FindFormKind(const QString &word)
{
    for (const TFormKind &kind : FormKinds())
        if (kind.Word == word)
            return &kind;
    return nullptr;
}
