#include "BillPrintFixture.h"

#include "ReportTestSupport.h"
#include "platform/data/TDataSet.h"
#include "platform/data/THexStream.h"
#include "platform/report/TReportPreview.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/Clerk.h"

#include <QPushButton>

IRudoDisp::TInvokeResult TTemplateHost::Invoke(qint32 dispId, QVariantList &args)
{
    if (dispId != DISPID_GetReportTemplates || args.size() != 2)
        return {false, {}, QStringLiteral("unexpected call")};
    AskedTitle = args.at(0).toString();
    args[1] = Succeeds ? QVariant(Packet) : QVariant(Messages);
    return {true, Succeeds, {}};
}

QByteArray TemplatePacket(const QList<QPair<QString, QString>> &templates)
{
    TDataSet packet;
    packet.AddField(QStringLiteral("f_reportname"), TFieldType::String, 50);
    packet.AddField(QStringLiteral("f_reportinfo"), TFieldType::String);
    for (const auto &[name, info] : templates) {
        packet.Append();
        packet.FieldByName(QStringLiteral("f_reportname")).SetValue(name);
        packet.FieldByName(QStringLiteral("f_reportinfo")).SetValue(info);
        packet.Post();
    }
    return packet.Data();
}

QString StoredText(const QByteArray &templateStream)
{
    return THexStream::Encode(templateStream);
}

QByteArray SimpleTemplate(const QString &marker)
{
    return "HalvernReport 1\nBand Kind=PageHeader Height=10\n  Text Rect=0,0,190,10 Text=\"" + marker.toUtf8()
           + " [Billdjh]\"\nBand Kind=MasterData Height=5 DataSet=cdsPRINT\n  Text Rect=0,0,50,5 Text=\"[CDSPRINT.f_sfxmmc]\"\n";
}

void BillPrintFixture::SetUp()
{
    ReportTest::UseCjkFonts();
    m_form = std::make_unique<QWidget>();
    m_form->setObjectName(QStringLiteral("Form"));
    m_chkTemplate = new QComboBox(m_form.get());
    m_chkTemplate->setObjectName(QStringLiteral("ChkTemplate"));
    m_host = new TTemplateHost;
    m_hostRef = TRudoDispPtr(m_host);
}

void BillPrintFixture::TearDown()
{
    EXPECT_EQ(m_ui.PendingAnswers(), 0);
    m_print.reset();
}

void BillPrintFixture::LoadTemplates(const QList<QPair<QString, QString>> &templates, TBillPrintOptions options)
{
    m_host->Packet = TemplatePacket(templates);
    m_print = std::make_unique<TBillPrintPath>(Win::HandleOf(m_form.get()), m_chkTemplate, THostDataService(m_hostRef),
                                               m_items, m_payments, options);
    QVariant error;
    ASSERT_TRUE(m_print->LoadTemplates(QStringLiteral("预收款单"), error));
}

TPaymentRecord &BillPrintFixture::AddItem(const QString &code, const QString &name, double amount)
{
    TPaymentRecord &item = m_items.Add();
    item.f_sfxmbm = code;
    item.f_sfxmmc = name;
    item.f_sfje = amount;
    return item;
}

TPaymentRecord &BillPrintFixture::AddPayment(const QString &code, const QString &name, double amount)
{
    TPaymentRecord &payment = m_payments.Add();
    payment.f_zffsbm = code;
    payment.f_zffsmc = name;
    payment.f_zfje = amount;
    return payment;
}

TBillPrintHeader BillPrintFixture::Header() const
{
    return {QStringLiteral("0101"), QStringLiteral("东门店"), QStringLiteral("C0042"), QStringLiteral("华南五金有限公司"),
            QStringLiteral("0000000123"), QStringLiteral("2024-03-15"), QStringLiteral("订金"), QStringLiteral("007"),
            QStringLiteral("王小明")};
}

void BillPrintFixture::ExpectPreview(QStringList *texts)
{
    m_ui.OnModal([texts](QDialog &dialog) {
        auto *preview = qobject_cast<TReportPreview *>(&dialog);
        ASSERT_NE(preview, nullptr);
        for (const TPreparedPage &page : preview->Prepared().Pages)
            for (const TReportObject &o : page.Objects)
                if (o.Kind == TReportObjectKind::Text)
                    *texts << o.Text;
        Clerk::Click(Named<QPushButton>(&dialog, QStringLiteral("btnExit")));
    });
}
