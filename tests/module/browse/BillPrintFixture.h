#pragma once

#include "module/bill/TPaymentRecords.h"
#include "module/browse/TBillPrintPath.h"
#include "platform/win/IRudoDisp.h"
#include "support/TUiRecorder.h"

#include <QComboBox>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// Answers GetReportTemplates with a packet of templates (name, stored hex text), or fails.
class TTemplateHost : public TRudoDispObject {
public:
    bool Succeeds = true;
    QByteArray Packet;
    QStringList Messages;
    QString AskedTitle;

    TInvokeResult Invoke(qint32 dispId, QVariantList &args) override;
};

QByteArray TemplatePacket(const QList<QPair<QString, QString>> &templates);
QString StoredText(const QByteArray &templateStream); // as the host keeps it: hex and "#"
QByteArray SimpleTemplate(const QString &marker);      // one page header showing marker

// A bill form's part in printing: its owner window with the template drop-down, its two line
// lists and the print path over a host that hands out templates.
class BillPrintFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the print path and loads the templates; expects the load to succeed.
    void LoadTemplates(const QList<QPair<QString, QString>> &templates, TBillPrintOptions options = {});
    TPaymentRecord &AddItem(const QString &code, const QString &name, double amount);
    TPaymentRecord &AddPayment(const QString &code, const QString &name, double amount);
    TBillPrintHeader Header() const;
    // The texts of the pages a preview shows; the preview is closed by its exit button.
    void ExpectPreview(QStringList *texts);

    TUiRecorder m_ui;
    std::unique_ptr<QWidget> m_form;
    QComboBox *m_chkTemplate = nullptr;
    TTemplateHost *m_host = nullptr;
    TRudoDispPtr m_hostRef;
    TPaymentRecords m_items;
    TPaymentRecords m_payments;
    std::unique_ptr<TBillPrintPath> m_print;
};
