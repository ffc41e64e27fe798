#pragma once

#include "TPaymentRecords.h"

#include "module/entry/TFrmBase.h"
#include "module/host/THostDataService.h"
#include "module/services/TLookupInfo.h"
#include "module/services/TsysmsgInfo.h"
#include "platform/win/WindowHandles.h"

#include <QString>

#include <memory>

class QFrame;
class TAdvColumnGrid;
class TBillPrintPath;
class TFlatComboBox;
class TFlatEdit;
class TFormActivation;
class TItemGridEditor;
class TLabel;
class TOrderPull;
class TPanel;
class TPaymentGridEditor;
class TRopWin;
class TSplitter;
class TToolBar;
class TToolButton;
class TZorvaClass;
struct TOrderPullChoice;

// The advance-receipt entry form "收款单录入", opened by GetZorvaFormInput: a header with the
// department, the customer (chosen through the trading-partner lookup) and the advance balance,
// the receivable-item grid and the payment grid side by side, and the tool bar that saves,
// pulls open sales orders, edits rows and prints. Each time it becomes the module's focused form
// it starts a new bill. Its splitter, chosen template and grid columns live in "Halvernpos.ini".
class TFrmPregatheringInput : public TFrmBase {
    Q_OBJECT
public:
    explicit TFrmPregatheringInput(QWidget *owner);
    ~TFrmPregatheringInput() override;

    // The folder of the "Halvernpos.ini" that entry forms read when shown and write when closed,
    // ending with a separator; empty (the default) for the host program's folder.
    static void SetSettingsFolder(const QString &folder);
    static QString SettingsFolder();

    // The template list and what the last preview or print was given.
    TBillPrintPath *PrintPath() const { return m_print.get(); }

    TToolBar *ToolBar1 = nullptr;
    TToolButton *TBnew = nullptr;
    TToolButton *btnSaveBill = nullptr;
    TToolButton *btnGd = nullptr;
    TToolButton *ToolButton6 = nullptr;
    TToolButton *btnDelete = nullptr;
    TToolButton *btnInsert = nullptr;
    TFlatComboBox *ChkTemplate = nullptr;
    TToolButton *TBpreview = nullptr;
    TToolButton *TBprint = nullptr;
    TToolButton *ToolButton3 = nullptr;
    TToolButton *btnExit = nullptr;
    TPanel *Panel1 = nullptr;
    TLabel *lblBillTitle = nullptr;
    TFlatEdit *edtbmbm = nullptr;
    TFlatEdit *edtkhbm = nullptr;
    TFlatEdit *edtbmmc = nullptr;
    TFlatEdit *edtkhmc = nullptr;
    TFlatEdit *edtskrq = nullptr;
    TFlatEdit *edtkhzjf = nullptr;
    TFlatEdit *edtdjh = nullptr;
    TFlatEdit *edtdkye = nullptr;
    TPanel *PanelInput = nullptr;
    TPanel *PanelLeft = nullptr;
    TSplitter *Splitter1 = nullptr;
    TPanel *PanelRight = nullptr;
    TAdvColumnGrid *sgdInputys = nullptr;
    TAdvColumnGrid *sgdinputsk = nullptr;
    TPanel *Panel2 = nullptr;
    TFlatEdit *edtbz_ = nullptr;
    TLabel *edtzdrmc_ = nullptr;
    TRopWin *RopHelp = nullptr;

protected:
    void FormClose(TCloseAction &action) override;
    void PanelMainResize() override;
    void FormKeyDown(int &key, Qt::KeyboardModifiers shift) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    void BuildToolBar();
    void BuildHeader();
    void BuildInputArea();
    void BuildBottom();
    void ConnectHandlers();

    void FormCreate();
    bool CreateBill();
    void FormShow();
    void FormActivate();
    // A new bill with the next number; on failure the form is marked to close and the bill on
    // screen stays.
    void StartNewBill();

    void HeadKeyDown(QWidget *sender, int &key);
    void HeadKeyPress(QWidget *sender, QChar &key);
    void LookupCustomer(TFlatEdit *field, quint8 mode);
    void HeadRefresh();

    void TBnewClick();
    void ToolButton6Click();
    void btnSaveBillClick();
    void btnGdClick();
    void btnDeleteClick();
    void btnInsertClick();
    void TBpreviewClick();
    void TBprintClick();
    void ToolButton3Click();
    void btnExitClick();
    void ApplyPulledOrders(const TOrderPullChoice &choice);
    // The last saved bill: the header boxes as shown and that bill's number.
    void PrintBill(bool print);
    void StampPayment(TPaymentRecord &line) const;
    Win::HWND Handle() const;

    THostDataService m_host;
    std::unique_ptr<TZorvaClass> m_service;
    TsysmsgInfo m_info;
    TManufacturerInfo m_customer;
    TPaymentRecords m_items;
    TPaymentRecords m_payments;
    std::unique_ptr<TItemGridEditor> m_itemGrid;
    std::unique_ptr<TPaymentGridEditor> m_paymentGrid;
    std::unique_ptr<TBillPrintPath> m_print;
    std::unique_ptr<TOrderPull> m_orderPull;
    std::unique_ptr<TFormActivation> m_activation;
    QString m_firstItemName;
    QString m_lastSavedNumber;
    bool m_shown = false;
    bool m_closed = false;
    bool m_refreshing = false;
};
