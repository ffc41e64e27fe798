#include "TFakeRudoDisp.h"
#include "module/bill/TFrmPregatheringInput.h"
#include "module/browse/TFrmprepgatheringModify.h"
#include "module/browse/TFrmprepgatheringSearch.h"
#include "module/entry/HostContext.h"
#include "module/entry/ModuleForms.h"
#include "module/entry/TFrmBase.h"
#include "module/entry/ZorvaExports.h"
#include "module/query/TFrmprepgatheringBillSearch.h"
#include "platform/data/EPlatformError.h"
#include "platform/data/TGbkCodec.h"
#include "platform/win/SharedMemory.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QApplication>
#include <QFrame>
#include <QPointer>

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

namespace {

// The operator code as the host passes it: a length byte, then the bytes in code page 936.
QByteArray ShortString(const QString &text)
{
    const QByteArray bytes = TGbkCodec::Encode(text);
    return char(bytes.size()) + bytes;
}

// A form as the later forms are built: its own creation and close step on top of the base.
class TFrmProbe : public TFrmBase {
public:
    TFrmProbe(QWidget *owner, bool failCreation, QStringList &log) : TFrmBase(owner), m_log(log)
    {
        CloseAtShow = failCreation;
    }
    bool RaiseOnClose = false;

protected:
    void FormClose(TCloseAction &) override
    {
        m_log << QStringLiteral("FormClose");
        if (RaiseOnClose)
            throw EPlatformError(QStringLiteral("设置保存失败"));
    }
    void PanelMainResize() override
    {
        m_log << QStringLiteral("PanelMainResize %1x%2").arg(PanelMain->width()).arg(PanelMain->height());
    }

private:
    QStringList &m_log;
};

void FreeClosedForms()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// The host's side: an application window, the control told about closing forms and the panel
// the forms are embedded in.
class TFrmBaseTest : public testing::Test {
protected:
    TFrmBaseTest()
    {
        m_hostControl.setObjectName(QStringLiteral("HostControl"));
        m_panel = new QWidget(&m_application);
        m_panel->setGeometry(0, 0, 640, 420);
        Clerk::ShowActive(&m_application);
        Win::SetMessageHandler(&m_hostControl, [this](unsigned message, qintptr wParam, qintptr lParam) -> qintptr {
            m_hostMessages << QStringLiteral("%1 %2 %3").arg(message, 0, 16).arg(wParam).arg(lParam);
            return 0;
        });
        m_service = new TFakeRudoDisp(m_serviceAlive);
        m_service->AddRef();
    }
    ~TFrmBaseTest() override
    {
        delete m_panel;
        FreeClosedForms();
        ReleaseHostContext();
        m_service->Release();
    }

    void Open(TZorvaFormEntry entry, const QString &operatorCode = QStringLiteral("0001"))
    {
        const QByteArray shortString = ShortString(operatorCode);
        entry(Win::HandleOf(&m_application), &m_hostControl, reinterpret_cast<const unsigned char *>(shortString.data()),
              m_panel, m_service);
    }
    // A bare base form, embedded as an entry point embeds its form.
    TFrmProbe *Embedded(bool failCreation = false)
    {
        HostControl = &m_hostControl;
        auto *form = new TFrmProbe(m_panel, failCreation, m_log);
        form->EmbedInto(m_panel);
        return form;
    }
    QList<TFrmBase *> Forms() const { return m_panel->findChildren<TFrmBase *>(Qt::FindDirectChildrenOnly); }

    TUiRecorder m_ui;
    QWidget m_application;
    QWidget m_hostControl;
    QWidget *m_panel = nullptr;
    bool m_serviceAlive = false;
    TFakeRudoDisp *m_service = nullptr;
    QStringList m_hostMessages;
    QStringList m_log;
};

} // namespace

TEST_F(TFrmBaseTest, EveryEntryPointEmbedsItsFormInTheHostPanel)
{
    struct Case {
        TZorvaFormEntry Entry;
        const char *Name;
        const char *Caption;
    } cases[] = {
        {GetZorvaFormBillModify, "FrmprepgatheringModify", "预收款单修改"},
        {GetZorvaFormDel, "FrmprepgatheringSearchdel", "预收款单查询"},
        {GetZorvaFormSearch, "FrmprepgatheringSearch", "预收款单查询"},
        {GetZorvaFormBillSearch, "FrmprepgatheringBillSearch", "收款单明细查询"},
        {GetZorvaFormInput, "FrmPregatheringInput", "收款单录入"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        Open(c.Entry);
        ASSERT_EQ(Forms().size(), 1);
        TFrmBase *form = Forms().front();
        EXPECT_EQ(form->objectName(), QString::fromUtf8(c.Name));
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.Caption));
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->isWindow());
        EXPECT_EQ(form->geometry(), m_panel->rect());
        EXPECT_EQ(form->font().family(), QStringLiteral("宋体"));
        EXPECT_EQ(form->font().pointSize(), 9);
        EXPECT_EQ(Named<QFrame>(form, QStringLiteral("PanelMain"))->size(), QSize(640, 420));
        delete form;
    }
    EXPECT_TRUE(m_hostMessages.isEmpty()) << "a form freed by the host's panel does not close";
}

TEST_F(TFrmBaseTest, AnEntryPointStoresTheHostContext)
{
    Open(GetZorvaFormInput, QStringLiteral("张三01"));

    EXPECT_EQ(AppHandle, Win::HandleOf(&m_application));
    EXPECT_EQ(HostControl.data(), &m_hostControl);
    EXPECT_EQ(HostOperatorCode, QStringLiteral("张三01"));
    EXPECT_EQ(HostService.Get(), m_service);
    EXPECT_EQ(ModuleApplicationHandle(), Win::HandleOf(&m_application)) << "the form adopted the host's window";
    EXPECT_EQ(FrmPregatheringInput.data(), Forms().value(0));

    const int held = m_service->References();
    ReleaseHostContext();
    EXPECT_EQ(m_service->References(), held - 1) << "unloading releases the module's one reference";
    EXPECT_TRUE(HostOperatorCode.isEmpty());
}

TEST_F(TFrmBaseTest, TheOperatorCodeIsReadUpToItsLengthByte)
{
    const QByteArray code = ShortString(QStringLiteral("收款员")) + "garbage";
    GetZorvaFormSearch(0, &m_hostControl, reinterpret_cast<const unsigned char *>(code.data()), m_panel, m_service);
    EXPECT_EQ(HostOperatorCode, QStringLiteral("收款员"));

    GetZorvaFormSearch(0, &m_hostControl, nullptr, m_panel, m_service);
    EXPECT_EQ(HostOperatorCode, QString());
    EXPECT_EQ(Forms().size(), 2);
}

TEST_F(TFrmBaseTest, TheHostsResizeMessageSizesPanelMain)
{
    TFrmBase *form = Embedded();

    Win::SendMessage(Win::HandleOf(form), ZM_RESIZE, 300, 500);

    EXPECT_EQ(form->PanelMain->height(), 300);
    EXPECT_EQ(form->PanelMain->width(), 500);
}

TEST_F(TFrmBaseTest, TheFormFollowsItsPanel)
{
    TFrmBase *form = Embedded();
    m_panel->resize(800, 500);
    EXPECT_EQ(form->geometry(), QRect(0, 0, 800, 500));
}

TEST_F(TFrmBaseTest, ClosingTellsTheHostExactlyOnceAndFreesTheForm)
{
    QPointer<TFrmBase> form = Embedded();

    form->close();
    form->close();
    EXPECT_EQ(m_hostMessages, QStringList{QStringLiteral("404 0 0")});

    FreeClosedForms();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(m_hostMessages.size(), 1);
}

TEST_F(TFrmBaseTest, TheModuleVariableForgetsAFreedForm)
{
    Open(GetZorvaFormBillSearch);
    ASSERT_FALSE(FrmprepgatheringBillSearch.isNull());
    delete FrmprepgatheringBillSearch.data();
    EXPECT_TRUE(FrmprepgatheringBillSearch.isNull());
}

TEST_F(TFrmBaseTest, ABrowserAndADeleteModeBrowserShareOnePanel)
{
    Open(GetZorvaFormSearch);
    Open(GetZorvaFormDel);

    auto *browser = m_panel->findChild<TFrmprepgatheringSearch *>(QStringLiteral("FrmprepgatheringSearch"));
    auto *voider = m_panel->findChild<TFrmprepgatheringSearch *>(QStringLiteral("FrmprepgatheringSearchdel"));
    ASSERT_NE(browser, nullptr);
    ASSERT_NE(voider, nullptr);
    EXPECT_NE(browser, voider);
    EXPECT_EQ(browser->Mode(), QString());
    EXPECT_EQ(voider->Mode(), QStringLiteral("del"));
    EXPECT_EQ(FrmprepgatheringSearch.data(), browser) << "the delete-mode browser is not kept";
}

TEST_F(TFrmBaseTest, WithoutAPanelNoFormIsCreated)
{
    GetZorvaFormInput(0, &m_hostControl, nullptr, nullptr, m_service);
    EXPECT_TRUE(FrmPregatheringInput.isNull());
    EXPECT_TRUE(m_ui.Boxes().isEmpty());
}


TEST_F(TFrmBaseTest, DerivedFormsSeePanelMainResizeAndCloseBeforeTheHostIsTold)
{
    Win::SetMessageHandler(&m_hostControl, [this](unsigned message, qintptr, qintptr) -> qintptr {
        m_log << QStringLiteral("host %1").arg(message, 0, 16);
        return 0;
    });
    TFrmBase *form = Embedded();
    Win::SendMessage(Win::HandleOf(form), ZM_RESIZE, 300, 500);
    form->close();

    EXPECT_EQ(m_log, QStringList({QStringLiteral("PanelMainResize 640x420"), QStringLiteral("PanelMainResize 500x300"),
                                QStringLiteral("FormClose"), QStringLiteral("host 404")}));
}

TEST_F(TFrmBaseTest, AFormWhoseCreationFailedClosesItselfWhenShown)
{
    QPointer<TFrmBase> form = Embedded(true);
    EXPECT_TRUE(m_hostMessages.isEmpty()) << "the show itself completes";

    QApplication::processEvents();
    FreeClosedForms();
    EXPECT_EQ(m_hostMessages, QStringList{QStringLiteral("404 0 0")});
    EXPECT_TRUE(form.isNull());
}

TEST_F(TFrmBaseTest, ACloseStepThatRaisesShowsOneErrorBoxAndKeepsTheFormOpen)
{
    TFrmProbe *form = Embedded();
    form->RaiseOnClose = true;

    form->close();

    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("错误: 设置保存失败")});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(m_hostMessages.isEmpty());
}

// The host's shared-memory block has one name on the machine: tests that need it present or
// absent hold the CTest resource lock of that name.
TEST_F(TFrmBaseTest, WithoutTheSharedMemoryBlockMapTextStaysEmpty)
{
    ASSERT_EQ(TSharedMemory::Open(QString::fromLatin1(ZorvaSharedMemoryName)), nullptr);
    Embedded();
    EXPECT_EQ(Forms().size(), 1);
    EXPECT_EQ(MapText, QString());
}

TEST_F(TFrmBaseTest, MapTextHoldsUpToThreeCharactersOfTheBlock)
{
    struct Case {
        QByteArray Block;
        const char *Expected;
    } cases[] = {{QByteArray("ABCD", 5), "ABC"}, {QByteArray("AB\0D", 4), "AB"}, {QByteArray("\0ABC", 4), ""}};
    for (const Case &c : cases) {
        auto block = TSharedMemory::Create(QString::fromLatin1(ZorvaSharedMemoryName), 64);
        ASSERT_NE(block, nullptr);
        std::memcpy(block->Data(), c.Block.constData(), size_t(c.Block.size()));
        MapText = QStringLiteral("old");
        Embedded();
        EXPECT_EQ(MapText, QString::fromLatin1(c.Expected)) << c.Block.toStdString();
    }
}
