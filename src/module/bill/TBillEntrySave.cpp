#include "TBillEntrySave.h"

#include "TBillPackets.h"
#include "TItemGridEditor.h"
#include "TPaymentGridEditor.h"

#include "module/common/Global.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/win/MessageBox.h"

#include <QList>
#include <QVariant>

#include <cmath>

namespace {

// Amounts are kept to the cent, so that the shares carry no binary remainder.
double Cents(double value)
{
    return std::round(value * 100) / 100;
}

void StampHeader(TPaymentRecord &line, const TBillEntryHeader &header, int index)
{
    line.f_bmbm = header.DeptCode.trimmed();
    line.f_bmmc = header.DeptName.trimmed();
    line.f_zdrq = header.BillDate;
    line.f_djh = header.BillNumber.trimmed();
    line.f_dnxh = index;
    line.f_csbm = header.CustomerCode.trimmed();
    line.f_csmc = header.CustomerName.trimmed();
    line.f_cszjf = header.CustomerMnemonic.trimmed();
    line.f_zdrbm = header.MakerCode;
    line.f_zdrmc = header.MakerName;
    line.f_bz = header.Remark;
}

} // namespace

TBillEntrySave::TBillEntrySave(TItemGridEditor &items, TPaymentGridEditor &payments, const THostDataService &host,
                               Win::HWND owner)
    : m_items(items), m_payments(payments), m_host(host), m_owner(owner)
{
}

std::optional<QString> TBillEntrySave::Save(const TBillEntryHeader &header)
{
    if (header.CustomerCode.trimmed().isEmpty()) {
        Box(QStringLiteral("不存在客户，不能保存"), QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
        return std::nullopt;
    }
    if (!m_items.TakeCurrentRow() || !m_payments.TakeCurrentRow())
        return std::nullopt;

    m_items.RecalcFooter();
    m_payments.RecalcFooter();
    const double itemTotal = m_items.Grid().FooterValue(TItemGridEditor::AmountColumn);
    const double paymentFooter = m_payments.Grid().FooterValue(TPaymentGridEditor::AmountColumn);
    TPaymentRecords &items = m_items.Lines();
    TPaymentRecords &payments = m_payments.Lines();
    double paid = 0;
    for (int k = 0; k < payments.Count(); ++k)
        paid += payments.Items(k).f_zfje;
    if (!SameAmount(paymentFooter, itemTotal)
        && Box(QStringLiteral("应收与收款不等，继续吗"), QStringLiteral("询问"), Win::MB_YESNO | Win::MB_ICONQUESTION)
               != Win::IDYES)
        return std::nullopt;
    TBillShares shares;
    if (SameAmount(paid, itemTotal)) {
        const double first = m_items.AmountAt(1);
        shares.f_hkye = Cents(first);
        shares.f_qtje = Cents(itemTotal - first);
        shares.f_qtze = shares.f_qtje;
    }
    if (payments.Count() == 0) {
        Box(QStringLiteral("收款项目不能为空"), QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
        return std::nullopt;
    }

    // Every amount is read before any line changes, so a cell that is not a number leaves the
    // lists as they were.
    const TAdvColumnGrid &itemGrid = m_items.Grid();
    const TAdvColumnGrid &paymentGrid = m_payments.Grid();
    QList<double> itemAmounts;
    for (int k = 0; k < items.Count(); ++k) {
        const QString cell = itemGrid.Cells(TItemGridEditor::AmountColumn, k + 1);
        itemAmounts << (k == 0 && cell.isEmpty() ? 0 : StrToFloat(cell));
    }
    QList<double> paymentAmounts;
    bool unstamped = false;
    for (int k = 0; k < payments.Count(); ++k) {
        paymentAmounts << StrToFloat(paymentGrid.Cells(TPaymentGridEditor::AmountColumn, k + 1));
        unstamped = unstamped || payments.Items(k).f_czrbm.isEmpty();
    }
    QString stampTime;
    if (unstamped) {
        QVariant now;
        if (!m_host.GetServerDateTime(now)) {
            QString text;
            ShowHostError(m_owner, now, QString(), text);
            return std::nullopt;
        }
        stampTime = now.toString().left(14);
    }

    for (int k = 0; k < items.Count(); ++k) {
        TPaymentRecord &line = items.Items(k);
        StampHeader(line, header, k);
        line.f_sfje = itemAmounts.at(k);
        line.f_ddh = itemGrid.Cells(TItemGridEditor::OrderCol, k + 1);
        line.f_sfxmbz = itemGrid.Cells(TItemGridEditor::RemarkCol, k + 1);
    }
    for (int k = 0; k < payments.Count(); ++k) {
        TPaymentRecord &line = payments.Items(k);
        StampHeader(line, header, k);
        line.f_zfje = paymentAmounts.at(k);
        if (line.f_czrbm.isEmpty()) {
            line.f_czrbm = header.OperatorCode;
            line.f_czrmc = header.OperatorName;
            line.f_czsj = stampTime;
        }
    }

    QVariant paymentPacket = TBillPackets::PaymentLines(payments).Data();
    QVariant itemPacket = TBillPackets::ItemLines(items, shares).Data();
    if (!m_host.BillUpdate(0, paymentPacket, itemPacket)) {
        QString text;
        ShowHostError(m_owner, paymentPacket, QString(), text);
        return std::nullopt;
    }
    return paymentPacket.toString();
}

int TBillEntrySave::Box(const QString &text, const QString &caption, unsigned flags) const
{
    return Win::MessageBox(m_owner, text, caption, flags);
}
