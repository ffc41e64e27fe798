#include "TfrmDd.h"

#include "module/common/Global.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TLabel.h"

#include <QShowEvent>

#include <iterator>

namespace {

// The designed client area and where each control sits in it.
const QSize ClientSize(688, 446);
const QRect GridRect(0, 0, 688, 400);
const QRect Label1Rect(8, 416, 52, 16);
const QRect SfxmRect(62, 412, 170, 22);
const QRect Label2Rect(248, 416, 52, 16);
const QRect ZffsRect(302, 412, 170, 22);
const QRect OkRect(520, 411, 72, 24);
const QRect CancelRect(604, 411, 72, 24);

constexpr TColor DesignBack = 14614267;

enum TColumn { colCheck, colOrderNo, colKind, colShipCode, colShipName, colReceiveCode, colReceiveName, colAmount, colReturn };

struct TColumnDesign {
    const char *Header;
    int Width;
};

const TColumnDesign Columns[] = {
    {"选择", 30},         {"单据号", 100},       {"订单类别", 64}, {"出货部门编码", 86}, {"出货部门名称", 132},
    {"入货部门编码", 90}, {"入货部门名称", 87}, {"订单金额", 64}, {"", 0},
};

bool IsReturnOrder(const QString &flag)
{
    return IsIntegerText(flag) && StrToInt64(flag) != 0;
}

void AppendEntries(TFlatComboBox *list, const QStringList &entries)
{
    list->addItems(entries);
    list->SetItemIndex(0);
}

} // namespace

TfrmDd::TfrmDd(QWidget *owner)
    : TDialogForm(owner), acg(new TAdvColumnGrid(this)), Label1(new TLabel(QStringLiteral("收付项目"), this)),
      cbSfxm(new TFlatComboBox(this)), Label2(new TLabel(QStringLiteral("支付方式"), this)),
      cbZffs(new TFlatComboBox(this)), btnOk(new TFlatButton(QStringLiteral("确定(&O)"), this)),
      btnCancel(new TFlatButton(QStringLiteral("取消(&C)"), this))
{
    setObjectName(QStringLiteral("frmDd"));
    setWindowTitle(QStringLiteral("销售订单"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);
    SetColor(this, DesignBack);
    SetKeyPreview(true);

    SetupGrid();

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Label1Rect);
    cbSfxm->setObjectName(QStringLiteral("cbSfxm"));
    cbSfxm->setGeometry(SfxmRect);
    cbSfxm->SetStyle(TFlatComboBox::csDropDownList);
    cbSfxm->SetColorBorder(clGreen);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(Label2Rect);
    cbZffs->setObjectName(QStringLiteral("cbZffs"));
    cbZffs->setGeometry(ZffsRect);
    cbZffs->SetStyle(TFlatComboBox::csDropDownList);
    cbZffs->SetColorBorder(clGreen);

    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(OkRect);
    btnOk->SetColorBorder(clGreen);
    btnOk->SetModalResult(mrOk);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(CancelRect);
    btnCancel->SetColorBorder(clGreen);
    btnCancel->SetModalResult(mrCancel);
}

void TfrmDd::SetupGrid()
{
    acg->setObjectName(QStringLiteral("acg"));
    acg->setGeometry(GridRect);
    acg->SetColCount(int(std::size(Columns)));
    acg->SetRowCount(2);
    acg->SetFloatingFooter(true);
    acg->SetGridLineColor(clGreen);
    for (int col = 0; col < acg->ColCount(); ++col) {
        acg->SetCells(col, 0, QString::fromUtf8(Columns[col].Header));
        acg->SetColWidths(col, Columns[col].Width);
    }
    acg->AddCheckBoxColumn(colCheck);
    acg->SetColumnAlignment(colCheck, Qt::AlignCenter);
    acg->SetColumnReadOnly(colReturn, true);
}

void TfrmDd::ShowOrders(const QList<TOrder> &orders)
{
    acg->SetRowCount(int(orders.size()) + 2);
    acg->ClearRows(1, int(orders.size()));
    for (int i = 0; i < orders.size(); ++i) {
        const TOrder &order = orders.at(i);
        const int row = i + 1;
        acg->SetChecked(colCheck, row, order.Ticked);
        acg->SetCells(colOrderNo, row, order.OrderNo);
        acg->SetCells(colKind, row,
                      IsReturnOrder(order.ReturnFlag) ? QStringLiteral("销售退货订单") : QStringLiteral("销售订单"));
        acg->SetCells(colShipCode, row, order.ShipCode);
        acg->SetCells(colShipName, row, order.ShipName);
        acg->SetCells(colReceiveCode, row, order.ReceiveCode);
        acg->SetCells(colReceiveName, row, order.ReceiveName);
        acg->SetCells(colAmount, row, FormatFloat(QStringLiteral("0.00"), order.Amount));
        acg->SetCells(colReturn, row, order.ReturnFlag);
    }
}

void TfrmDd::AppendPayInOuts(const QStringList &entries)
{
    AppendEntries(cbSfxm, entries);
}

void TfrmDd::AppendPayModes(const QStringList &entries)
{
    AppendEntries(cbZffs, entries);
}

QList<int> TfrmDd::TickedRows() const
{
    QList<int> rows;
    for (int row = 1; row < acg->RowCount() - 1; ++row) {
        if (acg->IsChecked(colCheck, row))
            rows.append(row);
    }
    return rows;
}

QString TfrmDd::OrderNo(int row) const
{
    return acg->Cells(colOrderNo, row);
}

QString TfrmDd::AmountText(int row) const
{
    return acg->Cells(colAmount, row);
}

QString TfrmDd::PayInOutText() const
{
    return cbSfxm->currentText();
}

QString TfrmDd::PayModeText() const
{
    return cbZffs->currentText();
}

void TfrmDd::showEvent(QShowEvent *event)
{
    TDialogForm::showEvent(event);
    // The window system also reports a show when the window comes back from behind another.
    if (!event->spontaneous()) {
        acg->setFocus();
        acg->FocusCell(colCheck, 1);
    }
}

void TfrmDd::FormKeyDown(int &key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Escape) {
        key = 0;
        SetModalResult(mrCancel);
    }
}
