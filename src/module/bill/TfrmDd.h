#pragma once

#include "platform/widgets/TForm.h"

#include <QList>
#include <QString>
#include <QStringList>

class TAdvColumnGrid;
class TFlatButton;
class TFlatComboBox;
class TLabel;

// The sales-order picker "销售订单": a grid of orders with a check box each, and one receivable
// item and one payment method chosen from two fixed lists. "确定(&O)" ends it with mrOk,
// "取消(&C)", Esc and the close box with mrCancel. The caller fills it, runs it with ShowModal
// and reads the ticked rows and the chosen entries; the picker itself neither queries the host
// nor touches a bill. The choice lists only grow: entries appended on earlier openings stay.
class TfrmDd : public TDialogForm {
    Q_OBJECT
public:
    struct TOrder {
        QString OrderNo;
        QString ShipCode, ShipName;       // the shipping department
        QString ReceiveCode, ReceiveName; // the receiving party, the customer
        double Amount = 0;
        // Kept in the hidden last column; a non-zero integer marks a return order.
        QString ReturnFlag;
        bool Ticked = false;
    };

    explicit TfrmDd(QWidget *owner = nullptr);

    // One grid row per order from row 1, replacing what an earlier opening showed.
    void ShowOrders(const QList<TOrder> &orders);
    // Entries "code name" go to the end of the list, and the list's first entry is selected.
    void AppendPayInOuts(const QStringList &entries);
    void AppendPayModes(const QStringList &entries);

    // Grid rows whose box is ticked, top to bottom.
    QList<int> TickedRows() const;
    QString OrderNo(int row) const;
    QString AmountText(int row) const;
    QString PayInOutText() const;
    QString PayModeText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void FormKeyDown(int &key, Qt::KeyboardModifiers shift) override;

private:
    void SetupGrid();

    TAdvColumnGrid *acg;
    TLabel *Label1;
    TFlatComboBox *cbSfxm;
    TLabel *Label2;
    TFlatComboBox *cbZffs;
    TFlatButton *btnOk;
    TFlatButton *btnCancel;
};
