#include "platform/widgets/FontSubstitutes.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "support/Clerk.h"
#include "support/TestPrinters.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// An item grid as the bill forms lay it out: five columns, the amount in column 2 summed in
// the footer, one header row and one footer row around the data rows.
class TAdvColumnGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        InstallFontSubstitutes();
        Window.resize(560, 260);
        auto *layout = new QVBoxLayout(&Window);
        Grid = new TAdvColumnGrid(&Window);
        Grid->setObjectName(QStringLiteral("sgdInputys"));
        Grid->setFont(QFont(QStringLiteral("宋体"), 9));
        layout->addWidget(Grid);
        Grid->SetColCount(5);
        Grid->SetRowCount(8);
        Grid->SetDefaultRowHeight(19);
        const QStringList headers = {"收款项目编码", "收款项目名称", "含税金额", "订单号", "备注"};
        const QList<int> widths = {93, 95, 84, 109, 100};
        for (int col = 0; col < 5; ++col) {
            Grid->SetCells(col, 0, QStringLiteral("<p align=\"center\">%1</p>").arg(headers[col]));
            Grid->SetColWidths(col, widths[col]);
        }
        Grid->SetColumnAlignment(2, Qt::AlignRight);
        Grid->SetColumnCalc(2, TAdvColumnGrid::acSUM, QStringLiteral("0.00"));
        Grid->SetEditable(true);
        Clerk::ShowActive(&Window);
        Grid->setFocus();
    }

    QString RowText(int row) const
    {
        QStringList cells;
        for (int col = 0; col < Grid->ColCount(); ++col)
            cells << Grid->Cells(col, row);
        return cells.join(QLatin1Char('|'));
    }
    QPoint CellCentre(int col, int row) const
    {
        return Grid->visualRect(Grid->model()->index(row - 1, col)).center();
    }
    void ClickCell(int col, int row)
    {
        QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(col, row));
        QApplication::processEvents();
    }
    QString Cursor() const { return QStringLiteral("%1,%2").arg(Grid->Col()).arg(Grid->Row()); }
    // The colour the clerk sees at a point of the grid's viewport, as a platform colour.
    TColor SeenAt(const QImage &shot, QPoint viewportPoint) const
    {
        return QColorToColor(shot.pixelColor(Grid->viewport()->mapTo(Grid, viewportPoint)));
    }

    QWidget Window;
    TAdvColumnGrid *Grid = nullptr;
};

} // namespace

TEST_F(TAdvColumnGridTest, RowsGoInAboveTheFooterAndTheCursorKeepsItsRowNumber)
{
    Grid->SetCells(0, 3, QStringLiteral("0003"));
    Grid->SetCells(2, 7, QStringLiteral("9.00"));
    Grid->FocusCell(1, 3);

    Grid->InsertRows(Grid->RowCount() - 1, 2);
    EXPECT_EQ(Grid->RowCount(), 10);
    EXPECT_EQ(RowText(9), QStringLiteral("||9.00||"));
    EXPECT_EQ(RowText(8), QStringLiteral("||||"));

    Grid->InsertRows(3, 1);
    EXPECT_EQ(RowText(4), QStringLiteral("0003||||"));
    EXPECT_EQ(RowText(3), QStringLiteral("||||"));
    EXPECT_EQ(Cursor(), QStringLiteral("1,3"));

    Grid->RemoveRows(0, 1);
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("<p align=\"center\">含税金额</p>"));
    Grid->RemoveRows(3, 100);
    EXPECT_EQ(Grid->RowCount(), 4);
    EXPECT_EQ(RowText(3), QStringLiteral("||9.00||"));
    EXPECT_EQ(Cursor(), QStringLiteral("1,2"));

    Grid->SetRowCount(35);
    EXPECT_EQ(RowText(34), QStringLiteral("||9.00||"));
    EXPECT_EQ(Grid->model()->rowCount(), 33);

    Grid->SetFloatingFooter(false);
    EXPECT_EQ(Grid->model()->rowCount(), 34);
    EXPECT_TRUE(Grid->SelectCell(2, 34));
    EXPECT_EQ(Grid->FooterText(2), QString());
    Grid->SetFloatingFooter(true);
    EXPECT_EQ(Cursor(), QStringLiteral("2,33"));
    EXPECT_EQ(Grid->FooterText(2), QStringLiteral("9.00"));
}

TEST_F(TAdvColumnGridTest, ModelShowsTheDataRowsAndTheHeaderText)
{
    Grid->SetCells(1, 1, QStringLiteral("预收款"));
    const QAbstractItemModel *model = Grid->model();
    EXPECT_EQ(model->rowCount(), Grid->RowCount() - 2);
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), QStringLiteral("预收款"));
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("收款项目编码"));
    EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    Grid->model()->setData(model->index(5, 4), QStringLiteral("备注文字"));
    EXPECT_EQ(Grid->Cells(4, 6), QStringLiteral("备注文字"));
}

TEST_F(TAdvColumnGridTest, FooterShowsTheColumnSumWhenAsked)
{
    const QStringList amounts = {"12.5", "", "abc", "-2.25", "0.1", "0.2"};
    for (int row = 1; row <= amounts.size(); ++row)
        Grid->SetCells(2, row, amounts[row - 1]);
    Grid->CalcFooter(2);
    EXPECT_EQ(Grid->FooterText(2), QStringLiteral("10.55"));
    EXPECT_EQ(Grid->Cells(2, Grid->RowCount() - 1), QStringLiteral("10.55"));
    EXPECT_DOUBLE_EQ(Grid->FooterValue(2), 10.55);

    Grid->SetCells(2, 2, QStringLiteral("100"));
    EXPECT_EQ(Grid->FooterText(2), QStringLiteral("10.55"));
    Grid->InsertRows(Grid->RowCount() - 1, 1);
    Grid->SetCells(2, Grid->RowCount() - 2, QStringLiteral("0.45"));
    Grid->RecalcFooter();
    EXPECT_EQ(Grid->FooterText(2), QStringLiteral("111.00"));
    EXPECT_EQ(Grid->FooterText(1), QString());

    Grid->ClearRows(1, Grid->RowCount() - 2);
    Grid->RecalcFooter();
    EXPECT_EQ(Grid->FooterText(2), QStringLiteral("0.00"));
}

TEST_F(TAdvColumnGridTest, RefusedMoveKeepsTheCursorAndTheHandlerMayPlaceIt)
{
    int asked = 0;
    Grid->SetOnSelectCell([&](int col, int row, bool &canSelect) {
        ++asked;
        if (row > 2) {
            canSelect = false;
            Grid->FocusCell(0, Grid->Row());
        } else if (col == 4) {
            // Asked from inside the handler, the move is made without asking again.
            Grid->SelectCell(3, row);
            canSelect = false;
        }
    });
    Grid->FocusCell(2, 2);

    Clerk::Key(Grid, Qt::Key_Down);
    EXPECT_EQ(Cursor(), QStringLiteral("0,2"));
    EXPECT_EQ(asked, 1);

    ClickCell(1, 5);
    EXPECT_EQ(Cursor(), QStringLiteral("0,2"));
    EXPECT_EQ(asked, 2);

    Clerk::Key(Grid, Qt::Key_Up);
    EXPECT_EQ(Cursor(), QStringLiteral("0,1"));
    EXPECT_TRUE(Grid->SelectCell(1, 2));
    EXPECT_EQ(Cursor(), QStringLiteral("1,2"));

    EXPECT_FALSE(Grid->SelectCell(4, 1));
    EXPECT_EQ(Cursor(), QStringLiteral("3,1"));
    EXPECT_EQ(asked, 5);
}

TEST_F(TAdvColumnGridTest, CursorStaysOnTheDataRows)
{
    int asked = 0;
    Grid->SetOnSelectCell([&](int, int, bool &) { ++asked; });
    Grid->FocusCell(0, 1);
    Clerk::Key(Grid, Qt::Key_Up);
    EXPECT_EQ(Cursor(), QStringLiteral("0,1"));

    Clerk::Key(Grid, Qt::Key_PageDown);
    Clerk::Key(Grid, Qt::Key_PageDown);
    EXPECT_EQ(Cursor(), QStringLiteral("0,6"));
    const int before = asked;
    Clerk::Key(Grid, Qt::Key_Down);
    EXPECT_EQ(Cursor(), QStringLiteral("0,6"));
    EXPECT_EQ(asked, before);

    Grid->FocusCell(0, 0);
    Grid->FocusCell(0, 7);
    EXPECT_FALSE(Grid->SelectCell(0, 7));
    EXPECT_EQ(Cursor(), QStringLiteral("0,6"));
}

TEST_F(TAdvColumnGridTest, ConsumedKeysLeaveTheGridsOwnNavigationToTheHandler)
{
    QStringList seen;
    Grid->SetOnKeyDown([&](int &key, Qt::KeyboardModifiers) {
        seen << QString::number(key, 16);
        if (key == Qt::Key_Down) {
            key = 0;
        } else if (key == Qt::Key_Return) {
            key = 0;
            Grid->FocusCell(0, Grid->Row() + 1);
        }
    });
    Grid->FocusCell(2, 1);
    Clerk::Key(Grid, Qt::Key_Down);
    EXPECT_EQ(Cursor(), QStringLiteral("2,1"));
    Clerk::Key(Grid, Qt::Key_Return);
    EXPECT_EQ(Cursor(), QStringLiteral("0,2"));
    Clerk::Key(Grid, Qt::Key_Tab);
    EXPECT_EQ(Cursor(), QStringLiteral("1,2"));
    EXPECT_EQ(seen, QStringList({"1000015", "1000004", "1000001"}));
}

TEST_F(TAdvColumnGridTest, AmountRulesInTheKeyPressHookApplyAlsoWhileEditing)
{
    int keyDowns = 0;
    Grid->SetOnKeyDown([&](int &, Qt::KeyboardModifiers) { ++keyDowns; });
    Grid->SetOnKeyPress([&](QChar &key) {
        const QString cell = Grid->Cells(2, Grid->Row());
        if (Grid->Col() != 2 || key == QLatin1Char('\b'))
            return;
        if (!key.isDigit() && key != QLatin1Char('.') && key != QLatin1Char('-'))
            key = QChar();
        else if (key == QLatin1Char('.') && cell.contains(QLatin1Char('.')))
            key = QChar();
        else if (key == QLatin1Char('-') && !cell.isEmpty())
            key = QChar();
    });
    Grid->FocusCell(2, 1);
    Clerk::Type(Grid, QStringLiteral("12.5.3x-"));
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("12.53"));
    EXPECT_EQ(keyDowns, 8);

    Clerk::Key(nullptr, Qt::Key_Backspace);
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("12.5"));
    Clerk::Key(nullptr, Qt::Key_Down);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Cursor(), QStringLiteral("2,2"));

    // The first key opens the editor, the rest go to the editor that now has the focus.
    Clerk::Type(nullptr, QStringLiteral("-7a.5."));
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("-7.5"));
    EXPECT_EQ(keyDowns, 16);
}

// Counts the keys that reach a widget after the controls inside it left them alone.
class TKeyCounter : public QObject {
public:
    int Count(int key) const { return int(m_seen.count(key)); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            m_seen << static_cast<QKeyEvent *>(event)->key();
        return false;
    }

private:
    QList<int> m_seen;
};

TEST_F(TAdvColumnGridTest, KeysTheGridHasNoUseForReachItsParentOnce)
{
    TKeyCounter parentKeys;
    Window.installEventFilter(&parentKeys);
    int keyDowns = 0;
    Grid->SetOnKeyDown([&](int &, Qt::KeyboardModifiers) { ++keyDowns; });
    Grid->FocusCell(1, 1);
    Clerk::Key(Grid, Qt::Key_F5);
    Clerk::Key(Grid, Qt::Key_Escape);
    EXPECT_EQ(parentKeys.Count(Qt::Key_F5), 1);
    EXPECT_EQ(parentKeys.Count(Qt::Key_Escape), 1);

    Grid->ShowInplaceEdit();
    Clerk::Key(nullptr, Qt::Key_F5);
    Clerk::Key(Grid, Qt::Key_F5);
    EXPECT_EQ(parentKeys.Count(Qt::Key_F5), 3);
    EXPECT_EQ(keyDowns, 4);
    Clerk::Type(Grid, QStringLiteral("7"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("7"));
    EXPECT_EQ(parentKeys.Count(Qt::Key_7), 0);
}

TEST_F(TAdvColumnGridTest, EnterTabAndArrowsSkipColumnsNotShown)
{
    Grid->HideColumn(1);
    Grid->SetColWidths(3, 0);
    EXPECT_EQ(Grid->ColWidths(1), 95);
    EXPECT_TRUE(Grid->IsColumnVisible(3));
    Grid->FocusCell(0, 1);

    const QList<std::pair<int, QString>> walk = {
        {Qt::Key_Return, "2,1"}, {Qt::Key_Tab, "4,1"}, {Qt::Key_Tab, "0,2"}, {Qt::Key_Backtab, "4,1"},
        {Qt::Key_Left, "2,1"},   {Qt::Key_Left, "0,1"}, {Qt::Key_Left, "0,1"}, {Qt::Key_End, "4,1"},
    };
    for (const auto &[key, cursor] : walk) {
        Clerk::Key(Grid, key);
        EXPECT_EQ(Cursor(), cursor) << "after key " << std::hex << key;
    }
    Grid->UnHideColumn(1);
    Clerk::Key(Grid, Qt::Key_Home);
    Clerk::Key(Grid, Qt::Key_Right);
    EXPECT_EQ(Cursor(), QStringLiteral("1,1"));
}

TEST_F(TAdvColumnGridTest, EditingFollowsThePermissions)
{
    Grid->SetOnCanEditCell([](int col, int, bool &canEdit) {
        if (col == 0)
            canEdit = false;
    });
    Grid->SetColumnReadOnly(4, true);
    Grid->SetCells(1, 1, QStringLiteral("旧"));
    for (const int col : {0, 4}) {
        Grid->FocusCell(col, 1);
        Clerk::Type(Grid, QStringLiteral("x"));
        Grid->ShowInplaceEdit();
        EXPECT_FALSE(Grid->EditorMode()) << "column " << col;
        EXPECT_EQ(Grid->Cells(col, 1), QString());
    }

    Grid->FocusCell(1, 1);
    Clerk::Type(Grid, QStringLiteral("现金"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("现金"));
    Clerk::Key(nullptr, Qt::Key_Escape);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("旧"));
    EXPECT_TRUE(Grid->Focused());

    Grid->ShowInplaceEdit();
    ASSERT_TRUE(Grid->EditorMode());
    Grid->SetCells(1, 1, QStringLiteral("支票"));
    Clerk::Key(nullptr, Qt::Key_End);
    Clerk::Type(nullptr, QStringLiteral("1"));
    Grid->HideInplaceEdit();
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("支票1"));

    Grid->SetEditable(false);
    Grid->FocusCell(2, 1);
    Clerk::Type(Grid, QStringLiteral("5"));
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 1), QString());
}

TEST_F(TAdvColumnGridTest, CheckBoxColumnTogglesByClickAndSpace)
{
    Grid->SetEditable(false);
    Grid->AddCheckBoxColumn(0);
    ClickCell(0, 2);
    EXPECT_TRUE(Grid->IsChecked(0, 2));
    EXPECT_EQ(Grid->model()->data(Grid->model()->index(1, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    Clerk::Key(Grid, Qt::Key_Space);
    EXPECT_FALSE(Grid->IsChecked(0, 2));
    ClickCell(1, 3);
    EXPECT_FALSE(Grid->IsChecked(1, 3));

    Grid->SetColumnReadOnly(0, true);
    ClickCell(0, 4);
    EXPECT_FALSE(Grid->IsChecked(0, 4));
    EXPECT_EQ(Cursor(), QStringLiteral("0,4"));
}

TEST_F(TAdvColumnGridTest, ColoursSetAsPropertiesAreWhatTheClerkSees)
{
    const QList<std::pair<const char *, TColor>> colours = {
        {"Color", 0xECF0F0},         {"BigCellColor", 0xBC7143}, {"GridLineColor", 0x0000FF},
        {"FixedColor", clGreen},     {"FixedFontColor", clBlack}, {"FloatingFooterColor", 0x00FFFF},
    };
    for (const auto &[name, colour] : colours)
        ASSERT_TRUE(Grid->setProperty(name, QVariant::fromValue(colour))) << name;
    ASSERT_TRUE(QMetaObject::invokeMethod(Grid, "SetColumnColor", Q_ARG(int, 3), Q_ARG(quint32, 0xD6EAEE)));
    for (const auto &[name, colour] : colours)
        EXPECT_EQ(Grid->property(name).value<quint32>(), colour) << name;
    EXPECT_EQ(Grid->ColumnColor(3), 0xD6EAEEu);
    EXPECT_EQ(Grid->ColumnColor(4), 0xECF0F0u);
    EXPECT_EQ(Grid->property("ColCount").toInt(), 5);
    EXPECT_STREQ(Grid->metaObject()->className(), "TAdvColumnGrid");

    Grid->FocusCell(0, 1);
    const QImage shot = Grid->grab().toImage();
    const QRect cell = Grid->visualRect(Grid->model()->index(2, 3));
    EXPECT_EQ(SeenAt(shot, cell.topLeft() + QPoint(1, 1)), 0xD6EAEEu);
    EXPECT_EQ(SeenAt(shot, cell.topLeft() + QPoint(-cell.width() / 2, 1)), 0xECF0F0u);
    EXPECT_EQ(SeenAt(shot, QPoint(cell.right(), cell.center().y())), 0x0000FFu);
    const QRect header = Grid->horizontalHeader()->geometry();
    EXPECT_EQ(QColorToColor(shot.pixelColor(header.left() + 2, header.top() + 2)), clGreen);
    EXPECT_EQ(SeenAt(shot, QPoint(cell.left() + 2, Grid->viewport()->height() - 3)), 0x00FFFFu);
    EXPECT_EQ(QColorToColor(shot.pixelColor(0, 0)), 0xBC7143u);
}

TEST_F(TAdvColumnGridTest, FooterFloatsBelowTheLastRowInSight)
{
    Grid->SetRowCount(35);
    Grid->SetFloatingFooterColor(0x00FFFF);
    Grid->SetCells(2, 33, QStringLiteral("5"));
    Grid->CalcFooter(2);
    Grid->FocusCell(2, 1);
    for (int row = 1; row < 33; ++row)
        Clerk::Key(Grid, Qt::Key_Down);
    EXPECT_EQ(Cursor(), QStringLiteral("2,33"));
    const int footerTop = Grid->viewport()->height() - Grid->DefaultRowHeight();
    EXPECT_LT(Grid->visualRect(Grid->model()->index(32, 2)).bottom(), footerTop);

    const QImage shot = Grid->grab().toImage();
    EXPECT_EQ(SeenAt(shot, QPoint(2, footerTop + 3)), 0x00FFFFu);
    EXPECT_EQ(Grid->FooterText(2), QStringLiteral("5.00"));
}

TEST_F(TAdvColumnGridTest, PaintsABillGridWithChineseHeaders)
{
    const QList<QStringList> lines = {
        {"0001", "预收货款", "1200.00", "", "首付"},
        {"0002", "订金", "300.50", "0000000012", "销售订单"},
    };
    for (int row = 1; row <= lines.size(); ++row)
        for (int col = 0; col < 5; ++col)
            Grid->SetCells(col, row, lines[row - 1][col]);
    Grid->setProperty("FixedColor", QVariant::fromValue(clGreen));
    Grid->setProperty("FixedFontColor", QVariant::fromValue(clWhite));
    Grid->setProperty("GridLineColor", QVariant::fromValue(clGreen));
    Grid->setProperty("FloatingFooterColor", QVariant::fromValue(TColor(0x00FFFF)));
    Grid->RecalcFooter();
    Grid->FocusCell(1, 3);
    const QString path = QDir(QStringLiteral(HALVERN_GRID_SHOT_DIR)).filePath(QStringLiteral("column-grid.png"));
    EXPECT_TRUE(Grid->grab().save(path)) << path.toStdString();
    EXPECT_EQ(Grid->FooterText(2), QStringLiteral("1500.50"));
}
