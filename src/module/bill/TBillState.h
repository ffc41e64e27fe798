#pragma once

#include <QString>

// The states of a stored bill (f_trbz) and the captions the forms show for them.
namespace TBillState {

inline const QString Unconfirmed = QStringLiteral("0");
inline const QString Confirmed = QStringLiteral("1");
inline const QString Void = QStringLiteral("2");

// "未确认", "已确认" or "作废"; empty for any other value.
inline QString Caption(const QString &state)
{
    if (state == Unconfirmed)
        return QStringLiteral("未确认");
    if (state == Confirmed)
        return QStringLiteral("已确认");
    if (state == Void)
        return QStringLiteral("作废");
    return {};
}

} // namespace TBillState
