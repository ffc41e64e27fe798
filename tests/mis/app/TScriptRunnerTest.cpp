#include "mis/app/TFormKind.h"
#include "mis/app/TFrmHalvernMain.h"
#include "mis/app/TScriptRunner.h"

#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/win/MessageBox.h"
#include "platform/win/ModalRunner.h"
#include "platform/win/WindowHandles.h"
#include "platform/win/ZorvaHostContract.h"

#include "support/Clerk.h"
#include "support/TestPrinters.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// What a form of the plug-in does toward its host, reduced to controls a script can drive.
class TFakeForm : public QWidget {
public:
    TFakeForm(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode, QWidget *parent)
        : QWidget(parent), m_appHandle(appHandle), m_hostControl(Win::HandleOf(hostControl))
    {
        setObjectName(QStringLiteral("FrmFake"));
        setWindowTitle(QStringLiteral("测试窗体"));
        setAttribute(Qt::WA_DeleteOnClose);
        auto *layout = new QVBoxLayout(this);
        Operator = Add<QLabel>("lblOperator");
        Operator->setText(QString::fromLatin1(reinterpret_cast<const char *>(operatorCode + 1), operatorCode[0]));
        Code = Add<QLineEdit>("edtCode");
        Next = Add<QLineEdit>("edtNext");
        // Enter moves on to the next field, as the module's forms do.
        connect(Code, &QLineEdit::returnPressed, Next, [this] { Next->setFocus(); });
        Answer = Add<QLabel>("lblAnswer");
        Size = Add<QLabel>("lblSize");
        Button("btnEcho", "回显(&E)", [this] { Answer->setText(Code->text() + "|" + Next->text()); });
        Button("btnAsk", "询问", [this] {
            const int result = Win::MessageBox(Win::HandleOf(this), "要保存吗？", "询问", Win::MB_YESNO | Win::MB_ICONQUESTION);
            Answer->setText(result == Win::IDYES ? "saved" : "not saved");
        });
        Button("btnInfo", "提示", [this] {
            Win::MessageBox(Win::HandleOf(this), "保存成功！", "提示", Win::MB_OK | Win::MB_ICONINFORMATION);
            Answer->setText("informed");
        });
        Button("btnDialog", "输入", [this] { RunInputDialog(); });
        Button("btnQuery", "明细", [this] { Win::SendMessage(m_appHandle, ZM_BEFOREQUERY, 0, 0); });
        Grid = Add<QTableWidget>("sgdLines");
        Grid->setColumnCount(2);
        Grid->setRowCount(2);
        Grid->setHorizontalHeaderLabels({"编码", "选"});
        for (int row = 0; row < 2; ++row) {
            Grid->setItem(row, 0, new QTableWidgetItem(QStringLiteral("000%1").arg(row + 1)));
            auto *tick = new QTableWidgetItem;
            tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            tick->setCheckState(Qt::Unchecked);
            Grid->setItem(row, 1, tick);
        }
        Items = Add<TAdvColumnGrid>("sgdItems");
        Items->SetColCount(3);
        Items->SetRowCount(4);
        Items->SetFloatingFooter(true);
        Items->AddCheckBoxColumn(2);
        for (int col = 0; col < 3; ++col)
            Items->SetCells(col, 0, QStringList{"编码", "金额", "选"}[col]);
        Items->SetCells(0, 1, "0001");
        Items->SetCells(1, 1, "12.50");
        Items->SetCells(0, 2, "0002");
        Items->SetCells(1, 2, "7.50");
        Items->SetColumnCalc(1, TAdvColumnGrid::acSUM);
        Items->RecalcFooter();
        // The third column is reached only on the first row.
        Items->SetOnSelectCell([](int col, int row, bool &canSelect) { canSelect = col != 1 || row == 1; });
        Kind = Add<QComboBox>("cbxKind");
        Kind->addItems({"现金", "支票", "银行卡"});
        connect(Kind, &QComboBox::activated, this, [this] { Answer->setText("chose " + Kind->currentText()); });
        auto *print = new QShortcut(QKeySequence("Ctrl+P"), this);
        connect(print, &QShortcut::activated, this, [this] { Answer->setText("printed"); });
        Win::SetMessageHandler(this, [this](unsigned message, qintptr wParam, qintptr lParam) {
            if (message == ZM_RESIZE)
                Size->setText(QStringLiteral("%1x%2").arg(wParam).arg(lParam));
            return qintptr(0);
        });
        (void)layout;
        setGeometry(parent->rect());
        show();
    }

    QLabel *Operator, *Answer, *Size;
    QLineEdit *Code, *Next;
    QTableWidget *Grid;
    TAdvColumnGrid *Items;
    QComboBox *Kind;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        Win::SendMessage(m_hostControl, ZM_CLOSING, 0, 0);
        event->accept();
    }

private:
    template <typename T>
    T *Add(const char *name)
    {
        auto *control = new T(this);
        control->setObjectName(QLatin1String(name));
        layout()->addWidget(control);
        return control;
    }

    template <typename F>
    void Button(const char *name, const char *caption, F onClick)
    {
        auto *button = Add<QPushButton>(name);
        button->setText(QString::fromUtf8(caption));
        connect(button, &QPushButton::clicked, this, onClick);
    }

    void RunInputDialog()
    {
        QDialog dialog(this);
        dialog.setWindowTitle("请输入");
        auto *column = new QVBoxLayout(&dialog);
        auto *edit = new QLineEdit(&dialog);
        edit->setObjectName("edtInput");
        auto *ok = new QPushButton("确定", &dialog);
        ok->setObjectName("btnOK");
        auto *cancel = new QPushButton("取消(&C)", &dialog);
        cancel->setObjectName("btnCancel");
        column->addWidget(edit);
        column->addWidget(ok);
        column->addWidget(cancel);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        Answer->setText(Win::RunModal(dialog) == QDialog::Accepted ? "input " + edit->text() : "input cancelled");
    }

    Win::HWND m_appHandle;
    Win::HWND m_hostControl;
};

void FakeEntry(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode, QWidget *parent, IRudoDisp *)
{
    new TFakeForm(appHandle, hostControl, operatorCode, parent);
}

class TScriptRunnerTest : public testing::Test {
protected:
    struct TRun {
        int ExitCode;
        QString Out;
        QString Err;
    };

    TScriptRunnerTest() : Window([](const QString &) { return &FakeEntry; }, nullptr, "0001", "张三")
    {
        Clerk::ShowActive(&Window);
    }

    TRun Run(const QString &script)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        TScriptRunner runner(Window, [](const QString &sql) -> Result<QString> { return "ran " + sql + "\n"; },
                             outStream, errStream);
        if (!runner.Start(script))
            return {runner.ExitCode(), out, err};
        const int code = QApplication::exec();
        return {code, out, err};
    }

    TFakeForm *Form() const { return static_cast<TFakeForm *>(Window.EmbeddedForm()); }

    TFrmHalvernMain Window;
};

TEST_F(TScriptRunnerTest, TypesIntoTheOpenedFormAndReadsItBack)
{
    const TRun run = Run("# the clerk keys a code and moves on with Enter\n"
                         "open input\n"
                         "type edtCode 0012\n"
                         "key edtCode Enter\n"
                         "focused\n"
                         "type edtCode 中文\n"
                         "click 回显(E)\n"
                         "show lblAnswer\n"
                         "show lblOperator\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "open input: 测试窗体 (FrmFake)\n"
                       "focused: edtNext\n"
                       "lblAnswer: 0012中文|\n"
                       "lblOperator: 0001\n")
        << run.Out.toStdString();
    // The second "type" gave edtCode the focus back: typing goes where the script names.
    EXPECT_EQ(Form()->Code->text(), "0012中文");
}

TEST_F(TScriptRunnerTest, ButtonsAreFoundByCaptionWithoutMnemonic)
{
    const TRun run = Run("open search\ntype edtCode 7\nclick 回显\nshow lblAnswer\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.endsWith("lblAnswer: 7|\n")) << run.Out.toStdString();
}

TEST_F(TScriptRunnerTest, QuestionsTakeQueuedAnswersAndBoxesAreRecorded)
{
    const TRun run = Run("open input\n"
                         "answer No\n"
                         "click btnAsk\n"
                         "show lblAnswer\n"
                         "answer yes\n"
                         "click btnAsk\n"
                         "show lblAnswer\n"
                         "click btnInfo\n"
                         "show lblAnswer\n"
                         "messages\n"
                         "messages\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("lblAnswer: not saved\nlblAnswer: saved\nlblAnswer: informed\n"
                                 "messages: 3\n  询问: 要保存吗？\n  询问: 要保存吗？\n  提示: 保存成功！\n"
                                 "messages: 0\n"))
        << run.Out.toStdString();
}

TEST_F(TScriptRunnerTest, UnansweredQuestionStopsTheRun)
{
    const TRun run = Run("open input\nclick btnAsk\nshow lblAnswer\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("unanswered question \"询问: 要保存吗？\" (Yes/No)")) << run.Err.toStdString();
    EXPECT_FALSE(run.Out.contains("lblAnswer")) << "nothing runs after the stop";
}

TEST_F(TScriptRunnerTest, AnswerThatFitsNoButtonOfTheBoxStopsTheRun)
{
    const TRun run = Run("open input\nanswer OK\nclick btnAsk\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("the answer \"OK\" fits no button of \"询问: 要保存吗？\"")) << run.Err.toStdString();
}

TEST_F(TScriptRunnerTest, DialogTakesQueuedTextOrButton)
{
    const TRun run = Run("open input\n"
                         "answer 张三丰\n"
                         "click btnDialog\n"
                         "show lblAnswer\n"
                         "answer 取消\n"
                         "click btnDialog\n"
                         "show lblAnswer\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("lblAnswer: input 张三丰\nlblAnswer: input cancelled\n")) << run.Out.toStdString();
}

TEST_F(TScriptRunnerTest, ScriptGoesOnInsideADialogWithoutAnswer)
{
    const QTemporaryDir shots;
    const TRun run = Run("open input\n"
                         "click btnDialog\n"
                         "type edtInput abc\n"
                         "shot " + shots.filePath("dialog.png") + "\n"
                         "click btnOK\n"
                         "show lblAnswer\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("lblAnswer: input abc\n")) << run.Out.toStdString();
    EXPECT_FALSE(QImage(shots.filePath("dialog.png")).isNull());
}

TEST_F(TScriptRunnerTest, GridCellsListsAndCombos)
{
    const TRun run = Run("open input\n"
                         "check sgdLines 1 0\n"
                         "cell sgdLines 0 1\n"
                         "showcell sgdLines 0 1\n"
                         "show sgdLines\n"
                         "rows sgdLines\n"
                         "choose cbxKind 支票\n"
                         "show lblAnswer\n"
                         "choose sgdLines 0002\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("sgdLines[0,1]: 0002\n"
                                 "sgdLines: 0002\n"
                                 "rows sgdLines: 2\n"
                                 "  [header] 编码\t选\n"
                                 "  0001\t[x]\n"
                                 "  0002\t[ ]\n"
                                 "lblAnswer: chose 支票\n"))
        << run.Out.toStdString();
    EXPECT_EQ(Form()->Grid->currentRow(), 1);
    EXPECT_EQ(Form()->Grid->item(0, 1)->checkState(), Qt::Checked);
}

TEST_F(TScriptRunnerTest, ColumnGridIsAddressedByItsOwnCells)
{
    const TRun run = Run("open input\n"
                         "check sgdItems 2 2\n"
                         "showcell sgdItems 0 0\n"
                         "show sgdItems\n"
                         "cell sgdItems 1 1\n"
                         "showcell sgdItems 1 1\n"
                         "rows sgdItems\n"
                         "choose sgdItems 0002\n"
                         "show sgdItems\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("sgdItems[0,0]: 编码\n"
                                 "sgdItems: [x]\n"
                                 "sgdItems[1,1]: 12.50\n"
                                 "rows sgdItems: 3\n"
                                 "  [header] 编码\t金额\t选\n"
                                 "  0001\t12.50\t[ ]\n"
                                 "  0002\t7.50\t[x]\n"
                                 "  \t20.00\t\n"
                                 "sgdItems: 0002\n"))
        << run.Out.toStdString();
    EXPECT_TRUE(Form()->Items->IsChecked(2, 2));
}

TEST_F(TScriptRunnerTest, ColumnGridRefusalStopsTheRun)
{
    const TRun run = Run("open input\ncell sgdItems 1 2\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("the grid keeps its cursor off cell 1,2")) << run.Err.toStdString();
}

TEST_F(TScriptRunnerTest, GridMistakesStopTheRun)
{
    const struct {
        const char *Line;
        const char *Error;
    } cases[] = {
        {"showcell sgdLines 5 0", "cell 5,0 is outside the grid of 2 columns and 2 rows"},
        {"check sgdLines 0 0", "cell 0,0 is not a check box"},
        {"choose cbxKind 信用卡", "no entry \"信用卡\" in cbxKind (entries: 现金, 支票, 银行卡)"},
        {"rows edtCode", "\"edtCode\" is not a grid or list"},
    };
    for (const auto &c : cases) {
        const TRun run = Run("open input\n" + QString::fromUtf8(c.Line) + "\n");
        EXPECT_EQ(run.ExitCode, 1) << c.Line;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Error))) << run.Err.toStdString();
    }
}

TEST_F(TScriptRunnerTest, KeyWithModifierReachesShortcuts)
{
    const TRun run = Run("open input\nkey edtCode Ctrl+P\nshow lblAnswer\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.endsWith("lblAnswer: printed\n")) << run.Out.toStdString();
}

TEST_F(TScriptRunnerTest, MissingControlStopsTheRun)
{
    const TRun run = Run("open input\nshow lblOperator\nclick btnNowhere\nshow lblOperator\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "open input: 测试窗体 (FrmFake)\nlblOperator: 0001\n");
    EXPECT_TRUE(run.Err.contains("line 3: click: no control named \"btnNowhere\"")) << run.Err.toStdString();
}

TEST_F(TScriptRunnerTest, UnknownCommandRunsNothing)
{
    const TRun run = Run("open input\nfrobnicate edtCode\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(Window.EmbeddedForm(), nullptr);
    EXPECT_TRUE(run.Err.contains("line 2: unknown command \"frobnicate\"")) << run.Err.toStdString();
}

TEST_F(TScriptRunnerTest, SqlPrintsTheHostsRows)
{
    const TRun run = Run("sql select f_zybm from tbzyda\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "ran select f_zybm from tbzyda\n");
}

class TFrmHalvernMainTest : public TScriptRunnerTest {};

TEST_F(TFrmHalvernMainTest, PanelResizeIsSentToTheFormAsHeightAndWidth)
{
    ASSERT_TRUE(Window.OpenForm(FormKinds().first()));
    Window.resize(900, 640);
    QApplication::processEvents();
    const QFrame *panel = Window.HostPanel();
    EXPECT_EQ(Form()->Size->text(), QStringLiteral("%1x%2").arg(panel->height()).arg(panel->width()));
}

TEST_F(TFrmHalvernMainTest, BeforeQueryMessageShowsInTheStatusBar)
{
    ASSERT_TRUE(Window.OpenForm(FormKinds().first()));
    Clerk::Click(Named<QPushButton>(Form(), "btnQuery"));
    EXPECT_EQ(Window.statusBar()->currentMessage(), "正在执行明细查询……");
}

TEST_F(TFrmHalvernMainTest, ClosingMessageFreesThePanel)
{
    ASSERT_TRUE(Window.OpenForm(FormKinds().first()));
    Form()->close();
    EXPECT_EQ(Window.EmbeddedForm(), nullptr);
    EXPECT_EQ(Window.statusBar()->currentMessage(), "窗体已关闭");
}

TEST_F(TFrmHalvernMainTest, OpeningAnotherFormClosesTheOneShown)
{
    const Result<QWidget *> first = Window.OpenForm(FormKinds().first());
    ASSERT_TRUE(first);
    QPointer<QWidget> firstForm = *first;
    const Result<QWidget *> second = Window.OpenForm(FormKinds().last());
    ASSERT_TRUE(second);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstForm.isNull());
    EXPECT_EQ(Window.EmbeddedForm(), *second);
}

TEST(TFrmHalvernMain, EntryWithoutFormIsAFailure)
{
    TFrmHalvernMain window([](const QString &) -> TZorvaFormEntry { return [](Win::HWND, QWidget *, const unsigned char *, QWidget *, IRudoDisp *) {}; },
                           nullptr, "0001", "");
    const Result<QWidget *> opened = window.OpenForm(FormKinds().first());
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.Error(), "GetZorvaFormInput created no form");
}

} // namespace
