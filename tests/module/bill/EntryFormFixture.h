#pragma once

#include "module/bill/TFrmPregatheringInput.h"
#include "support/Clerk.h"
#include "support/TTestHost.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

class TAdvColumnGrid;
class TFlatEdit;

// The entry form as the host opens it: GetZorvaFormInput into a panel of a host window, over a
// real host on a demo-seeded throw-away database (month 200503, 2005-03-15 10:30, operator
// "0001" 张伟, department "01" 百货一部), with "Halvernpos.ini" in a folder of its own and every
// box and modal window answered through the recorder.
class EntryFormFixture : public testing::Test {
protected:
    EntryFormFixture();
    ~EntryFormFixture() override;

    // Opens a form (the last one opened is Form()); null when none was created.
    TFrmPregatheringInput *Open(const QString &operatorCode = QStringLiteral("0001"), QWidget *panel = nullptr);
    TFrmPregatheringInput *Form() const { return m_form; }
    TFlatEdit *Edit(const QString &name) const;
    TAdvColumnGrid *Items() const;
    TAdvColumnGrid *Payments() const;

    // The clerk's moves.
    void ClickCell(TAdvColumnGrid *grid, int col, int row);
    void TypeInto(QWidget *control, const QString &text);
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Customer code typed into edtkhbm and Enter: a code of one customer is taken at once.
    void ChooseCustomer(const QString &code);
    // Enter in the remark: the cursor goes to row 2 of the item grid, as the clerk's path is (row
    // 1 cannot be left without its amount).
    void IntoItemGrid();
    // In row: the item code (taken at once when it is the only match), Enter, the amount, Enter.
    void EnterItem(int row, const QString &code, const QString &amount);
    // In row: the method code, Enter, the amount, Enter; the cursor is then on the cheque number.
    void EnterPayment(int row, const QString &code, const QString &amount);
    // Items 1001, 1002, … named 项目1001 …, so that many lines can be entered.
    void AddReceivableItems(int count);

    // A grid row as the clerk sees it, cells joined by "|".
    static QString RowText(const TAdvColumnGrid *grid, int row);
    QString BillNumberShown() const;

    QString Ini(const QString &section, const QString &key) const;
    void SetIni(const QString &section, const QString &key, const QString &value) const;
    // The bill stored under number: item lines and payment lines, one text a line.
    QStringList StoredItems(const QString &number, const QString &columns) const;
    QStringList StoredPayments(const QString &number, const QString &columns) const;

    void FreeClosedForms();

    TUiRecorder m_ui;
    TTestHost m_host;
    QTemporaryDir m_settings;
    QWidget m_window;
    QWidget m_hostControl;
    QWidget *m_panel = nullptr;
    QPointer<TFrmPregatheringInput> m_form;
    QStringList m_hostMessages;
};
