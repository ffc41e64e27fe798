#include "TFakeRudoDisp.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QApplication>
#include <QFrame>
#include <QPointer>

#include <dlfcn.h>

#include <gtest/gtest.h>

// The built libzorva.so as the host loads it: by name, into a process with its own copy of the
// platform layer. Handles and messages still meet, because the window registry and the box
// seam live in the one shared platform library.
TEST(ZorvaLibrary, AHostLoadsTheLibraryEmbedsAFormAndUnloadsIt)
{
    TUiRecorder ui;
    void *library = dlopen(ZORVA_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const char *name : ZorvaEntryNames)
        EXPECT_NE(dlsym(library, name), nullptr) << name;
    auto input = reinterpret_cast<TZorvaFormEntry>(dlsym(library, "GetZorvaFormInput"));
    ASSERT_NE(input, nullptr);

    QWidget application;
    QWidget hostControl;
    auto *panel = new QWidget(&application);
    panel->resize(640, 420);
    Clerk::ShowActive(&application);
    QStringList hostMessages;
    Win::SetMessageHandler(&hostControl, [&hostMessages](unsigned message, qintptr, qintptr) -> qintptr {
        hostMessages << QString::number(message, 16);
        return 0;
    });
    bool serviceAlive = false;
    auto *service = new TFakeRudoDisp(serviceAlive);
    const unsigned char operatorCode[] = {4, '0', '0', '0', '1'};

    input(Win::HandleOf(&application), &hostControl, operatorCode, panel, service);

    QPointer<QWidget> form = panel->findChild<QWidget *>(QStringLiteral("FrmPregatheringInput"));
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(serviceAlive);
    Win::SendMessage(Win::HandleOf(form), ZM_RESIZE, 300, 500);
    EXPECT_EQ(form->findChild<QFrame *>(QStringLiteral("PanelMain"))->size(), QSize(500, 300));

    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(hostMessages, QStringList{QStringLiteral("404")});

    ASSERT_EQ(dlclose(library), 0);
    EXPECT_FALSE(serviceAlive) << "the freed form and the unloaded library let go of every reference";
}
