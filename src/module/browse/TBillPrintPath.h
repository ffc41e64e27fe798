#pragma once

#include "TBillPrintHeader.h"

#include "module/host/THostDataService.h"
#include "platform/data/TDataSet.h"
#include "platform/report/TReport.h"
#include "platform/win/WindowHandles.h"

#include <QStringList>
#include <QVariant>

class QComboBox;
class TPaymentRecords;

// How the print path differs between the bill forms.
struct TBillPrintOptions {
    int ZffsbzWidth = 255;     // width of f_zffsbz: 20 in the browser, 255 elsewhere
    bool DesignButton = true;  // the preview's design button (entry and modification forms)
};

// The print path the three bill forms share: the template list (CdsTemplate behind the drop-down
// ChkTemplate), the remembered choice, the print dataset cdsPrint built from the form's item and
// payment lists, and the report component Rrt that previews or prints the chosen template.
// The form owns it and keeps the combo box and the two lists alive as long as it lives. It does
// not read or write the configuration file: the form passes the remembered value in and out.
class TBillPrintPath {
public:
    TBillPrintPath(Win::HWND owner, QComboBox *chkTemplate, THostDataService host, const TPaymentRecords &items,
                   const TPaymentRecords &payments, TBillPrintOptions options = {});

    // Asks the host for the templates of billTitle and fills the list. False when the host
    // fails or its packet is unreadable; hostError then holds the messages for ShowHostError.
    bool LoadTemplates(const QString &billTitle, QVariant &hostError);
    // Selects the remembered entry: text that is not an integer, or a negative one, means 0;
    // an index beyond the list leaves nothing selected.
    void SelectRemembered(const QString &iniValue);
    // The selected index to remember, -1 when nothing is selected.
    int RememberedIndex() const;

    // Refills cdsPrint: row n pairs item line n with payment line n.
    void BuildPrintData();
    // Preview (print false) or print to the default printer without a dialog. Every failure is
    // shown in an error box owned by the form; false then.
    bool PrintBill(bool print, const TBillPrintHeader &header);

    // The lines of the help popup that list what a template can use, after the form's own
    // header line and before its shortcut block.
    static QStringList HelpLines();

    TDataSet &cdsPrint() { return m_cdsPrint; }
    const TDataSet &CdsTemplate() const { return m_cdsTemplate; }
    TReport &Rrt() { return m_rrt; }

private:
    void Error(const QString &text) const;

    Win::HWND m_owner;
    QComboBox *m_chkTemplate;
    THostDataService m_host;
    const TPaymentRecords &m_items;
    const TPaymentRecords &m_payments;
    TBillPrintOptions m_options;
    TDataSet m_cdsTemplate;
    TDataSet m_cdsPrint;
    TReport m_rrt;
};
