#pragma once

#include "platform/win/IRudoDisp.h"
#include "platform/win/ZorvaHostContract.h"

#include <QStringList>

// The host as the module sees it, keeping the text of every QuerySql; statements containing a
// chosen text are refused with a message, as a host whose database rejects them would.
class TRecordingHost : public TRudoDispObject {
public:
    explicit TRecordingHost(TRudoDispPtr host) : m_host(std::move(host)) {}

    void Refuse(const QString &containing) { m_refused = containing; }
    const QStringList &Statements() const { return m_statements; }

    TInvokeResult Invoke(qint32 dispId, QVariantList &args) override
    {
        if (dispId == DISPID_QuerySql) {
            m_statements.append(args.value(0).toString());
            if (!m_refused.isEmpty() && m_statements.last().contains(m_refused)) {
                args[1] = QStringList{QStringLiteral("数据库拒绝了语句")};
                return {true, false, {}};
            }
        }
        return m_host->Invoke(dispId, args);
    }

private:
    TRudoDispPtr m_host;
    QString m_refused;
    QStringList m_statements;
};
