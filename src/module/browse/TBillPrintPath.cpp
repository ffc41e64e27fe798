#include "TBillPrintPath.h"

#include "module/bill/TPaymentRecords.h"
#include "module/common/Global.h"
#include "platform/data/THexStream.h"
#include "platform/win/MessageBox.h"

#include <QComboBox>

namespace {

const QString ReportName = QStringLiteral("f_reportname");
const QString ReportInfo = QStringLiteral("f_reportinfo");
const QString PrintFormat = QStringLiteral("####0.00");

// A label padded to the column where the help popup's colons line up.
QString HelpLine(const QString &label, const QString &reference)
{
    QString line = u' ' + label;
    int cells = 0;
    for (const QChar c : label)
        cells += c.unicode() < 0x80 ? 1 : 2;
    line += QString(std::max(1, 13 - cells), u' ');
    return line + QStringLiteral(": ") + reference;
}

QString Field(const QString &name)
{
    return QStringLiteral("[Cdsprint.\"%1\"]").arg(name);
}

} // namespace

TBillPrintPath::TBillPrintPath(Win::HWND owner, QComboBox *chkTemplate, THostDataService host, const TPaymentRecords &items,
                               const TPaymentRecords &payments, TBillPrintOptions options)
    : m_owner(owner), m_chkTemplate(chkTemplate), m_host(std::move(host)), m_items(items), m_payments(payments),
      m_options(options)
{
    m_rrt.SetDataSet(QStringLiteral("Cdsprint"), &m_cdsPrint);
}

bool TBillPrintPath::LoadTemplates(const QString &billTitle, QVariant &hostError)
{
    QVariant data;
    if (!m_host.GetReportTemplates(billTitle, data)) {
        hostError = data;
        return false;
    }
    const QByteArray packet = data.toByteArray();
    TDataSet templates;
    if (!packet.isEmpty()) {
        const Result<void> read = templates.SetData(packet);
        QString problem;
        if (!read)
            problem = read.Error();
        else if (templates.IndexOfField(ReportName) < 0 || templates.IndexOfField(ReportInfo) < 0)
            problem = QStringLiteral("缺少字段 f_reportname 或 f_reportinfo");
        if (!problem.isEmpty()) {
            hostError = QStringList{QStringLiteral("报表模板列表无法读取：") + problem};
            return false;
        }
    }
    m_cdsTemplate = std::move(templates);
    m_chkTemplate->clear();
    for (m_cdsTemplate.First(); !m_cdsTemplate.Eof(); m_cdsTemplate.Next())
        m_chkTemplate->addItem(m_cdsTemplate.FieldByName(ReportName).AsString());
    return true;
}

void TBillPrintPath::SelectRemembered(const QString &iniValue)
{
    qint64 index = IsIntegerText(iniValue) ? iniValue.trimmed().toLongLong() : 0;
    if (index < 0)
        index = 0;
    m_chkTemplate->setCurrentIndex(index < m_chkTemplate->count() ? int(index) : -1);
}

int TBillPrintPath::RememberedIndex() const
{
    return m_chkTemplate->currentIndex();
}

void TBillPrintPath::BuildPrintData()
{
    m_cdsPrint.Clear();
    m_cdsPrint.AddField(QStringLiteral("f_Sfxmbm"), TFieldType::String, 4);
    m_cdsPrint.AddField(QStringLiteral("f_Sfxmmc"), TFieldType::String, 20);
    m_cdsPrint.AddField(QStringLiteral("f_Sfje"), TFieldType::Float).DisplayFormat = PrintFormat;
    m_cdsPrint.AddField(QStringLiteral("f_zffsbz"), TFieldType::String, m_options.ZffsbzWidth);
    m_cdsPrint.AddField(QStringLiteral("f_Ddh"), TFieldType::String, 20);
    m_cdsPrint.AddField(QStringLiteral("f_Ysbz"), TFieldType::String, 20);
    m_cdsPrint.AddField(QStringLiteral("f_Zffsbm"), TFieldType::String, 4);
    m_cdsPrint.AddField(QStringLiteral("f_Zffsmc"), TFieldType::String, 30);
    m_cdsPrint.AddField(QStringLiteral("f_Skje"), TFieldType::Float).DisplayFormat = PrintFormat;
    m_cdsPrint.AddField(QStringLiteral("f_Zph"), TFieldType::String, 30);
    m_cdsPrint.AddField(QStringLiteral("f_Skr"), TFieldType::String, 20);
    m_cdsPrint.AddField(QStringLiteral("f_Sksj"), TFieldType::String, 20);

    const TPaymentRecord none;
    const int rows = std::max(m_items.Count(), m_payments.Count());
    for (int n = 0; n < rows; ++n) {
        const TPaymentRecord &item = n < m_items.Count() ? m_items.Items(n) : none;
        const TPaymentRecord &payment = n < m_payments.Count() ? m_payments.Items(n) : none;
        const QVariantList values{item.f_sfxmbm, item.f_sfxmmc,       item.f_sfje,    QString(),
                                  item.f_ddh,    item.f_sfxmbz,       payment.f_zffsbm, payment.f_zffsmc,
                                  payment.f_zfje, payment.f_zph,      payment.f_czrmc,  payment.f_czsj};
        m_cdsPrint.Append();
        for (int field = 0; field < values.size(); ++field)
            m_cdsPrint.Fields(field).SetValue(values.at(field));
        m_cdsPrint.Post();
    }
    m_cdsPrint.First();
}

bool TBillPrintPath::PrintBill(bool print, const TBillPrintHeader &header)
{
    BuildPrintData();
    const QString name = m_chkTemplate->currentText().trimmed();
    if (name.isEmpty()) {
        Error(QStringLiteral("未选择报表模板！"));
        return false;
    }
    if (!m_cdsTemplate.Locate(ReportName, name)) {
        Error(name + QStringLiteral("报表模板不存在！"));
        return false;
    }
    const Result<void> loaded = m_rrt.LoadFromStream(THexStream::Decode(m_cdsTemplate.FieldByName(ReportInfo).AsString()));
    if (!loaded) {
        Error(QStringLiteral("%1：%2").arg(name, loaded.Error()));
        return false;
    }
    m_rrt.SetTitle(name);
    m_rrt.SetVariable(QStringLiteral("deptcode"), header.DeptCode);
    m_rrt.SetVariable(QStringLiteral("deptname"), header.DeptName);
    m_rrt.SetVariable(QStringLiteral("clientcode"), header.ClientCode);
    m_rrt.SetVariable(QStringLiteral("clientname"), header.ClientName);
    m_rrt.SetVariable(QStringLiteral("Billdjh"), header.BillNumber);
    m_rrt.SetVariable(QStringLiteral("BillDate"), header.BillDate);
    m_rrt.SetVariable(QStringLiteral("remark"), header.Remark);
    m_rrt.SetVariable(QStringLiteral("billmancode"), header.BillManCode);
    m_rrt.SetVariable(QStringLiteral("billmanname"), header.BillManName);

    const Result<void> done = print ? m_rrt.Print() : m_rrt.ShowPreview(Win::WidgetOf(m_owner), {m_options.DesignButton});
    if (!done) {
        Error(done.Error());
        return false;
    }
    return true;
}

QStringList TBillPrintPath::HelpLines()
{
    return {
        QStringLiteral(" 部门编码     ：[deptcode]"),
        QStringLiteral(" 部门名称     : [deptname]"),
        QStringLiteral(" 客户编码     : [clientcode]"),
        QStringLiteral(" 客户名称     : [clientname]"),
        QStringLiteral(" 收款日期     : [billdate]"),
        QStringLiteral(" 单据号       : [billdjh]"),
        QStringLiteral(" 制单人编码   : [billmancode]"),
        QStringLiteral(" 制单人名称   : [billmanname]"),
        QStringLiteral(" 备 注        : [remark]"),
        QString(),
        HelpLine(QStringLiteral("收款项目编码"), Field(QStringLiteral("f_Sfxmbm"))),
        HelpLine(QStringLiteral("收款项目名称"), Field(QStringLiteral("f_Sfxmmc"))),
        HelpLine(QStringLiteral("收付方式备注"), Field(QStringLiteral("f_zffsbz"))),
        HelpLine(QStringLiteral("应收金额"), Field(QStringLiteral("f_Sfje"))),
        HelpLine(QStringLiteral("订单号"), Field(QStringLiteral("f_Ddh"))),
        HelpLine(QStringLiteral("收款项目备注"), Field(QStringLiteral("f_Ysbz"))),
        QString(),
        HelpLine(QStringLiteral("支付方式编码"), Field(QStringLiteral("f_Zffsbm"))),
        HelpLine(QStringLiteral("支付方式名称"), Field(QStringLiteral("f_Zffsmc"))),
        HelpLine(QStringLiteral("收款金额"), Field(QStringLiteral("f_Skje"))),
        HelpLine(QStringLiteral("支票号"), Field(QStringLiteral("f_Zph"))),
        HelpLine(QStringLiteral("收款人"), Field(QStringLiteral("f_Skr"))),
        HelpLine(QStringLiteral("收款时间"), Field(QStringLiteral("f_Sksj"))),
        QString(),
    };
}

void TBillPrintPath::Error(const QString &text) const
{
    Win::MessageBox(m_owner, text, QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
}
