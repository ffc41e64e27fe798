#pragma once

#include "platform/data/Result.h"
#include "platform/win/IRudoDisp.h"

#include <QString>
#include <QVariant>

// The twelve operations of the host's automation object as typed calls. Each returns the
// host's WordBool; on false the first by-reference argument holds the host's messages (a list
// of texts) for ShowHostError. A call the host could not dispatch at all counts as false, with
// the reason as the one message. Only GetDbType reports that case separately, as the caller
// treats it as a raised error.
class THostDataService {
public:
    THostDataService() = default;
    explicit THostDataService(TRudoDispPtr host) : m_host(std::move(host)) {}

    bool IsAssigned() const { return bool(m_host); }
    const TRudoDispPtr &Host() const { return m_host; }

    bool QuerySql(const QString &sql, QVariant &data) const;
    bool QueryRecordset(const QString &sql, QVariant &data) const;
    Result<QString> GetDbType() const;
    bool GetCurYearMonth(QVariant &value) const;
    bool GetServerDate(QVariant &value) const;
    bool GetServerDateTime(QVariant &value) const;
    bool GetEmployee(QVariant &data) const;   // data: employee code in, packet with f_zymc out
    bool GetDepartment(QVariant &data) const; // data: department code in, packet with f_bmmc out
    bool GetSysParams(QVariant &data) const;
    bool GetReportTemplates(const QString &billTitle, QVariant &data) const;
    bool BillQuery(int kind, QVariant &result, QVariant &params) const;
    bool BillUpdate(int kind, QVariant &data1, QVariant &data2) const;

private:
    // Invokes dispId; by-reference arguments are written back to refs in order.
    bool Call(qint32 dispId, QVariantList args, std::initializer_list<std::pair<int, QVariant *>> refs) const;

    TRudoDispPtr m_host;
};
