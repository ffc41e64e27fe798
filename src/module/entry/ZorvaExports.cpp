#include "ZorvaExports.h"

#include "HostContext.h"
#include "ModuleForms.h"
#include "module/bill/TFrmPregatheringInput.h"
#include "module/browse/TFrmprepgatheringModify.h"
#include "module/browse/TFrmprepgatheringSearch.h"
#include "module/query/TFrmprepgatheringBillSearch.h"
#include "platform/data/TGbkCodec.h"
#include "platform/win/ApplicationErrors.h"
#include "platform/win/ZorvaHostContract.h"

#include <QByteArray>

#include <type_traits>

static_assert(std::is_same_v<decltype(&GetZorvaFormInput), TZorvaFormEntry>, "the entry points keep the host's shape");

namespace {

QString ShortStringText(const unsigned char *shortString)
{
    if (!shortString)
        return {};
    return TGbkCodec::Decode(QByteArray(reinterpret_cast<const char *>(shortString + 1), shortString[0]));
}

// The steps every entry point takes; create makes the form of its kind, owned by the panel.
template <typename TCreate>
void OpenForm(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode, QWidget *parent,
              IRudoDisp *service, TCreate create)
{
    Win::Guarded([&] {
        const QString operatorText = ShortStringText(operatorCode);
        const TRudoDispPtr callReference(service);
        AppHandle = appHandle;
        SetModuleApplicationHandle(0);
        HostControl = hostControl;
        HostService = callReference;
        HostOperatorCode = operatorText;
        // Without a panel there is nothing to embed a form into.
        if (!parent)
            return;
        TFrmBase *form = create(parent);
        form->EmbedInto(parent);
    });
}

} // namespace

void GetZorvaFormBillModify(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode,
                            QWidget *parent, IRudoDisp *service)
{
    OpenForm(appHandle, hostControl, operatorCode, parent, service, [](QWidget *owner) {
        auto *form = new TFrmprepgatheringModify(owner);
        FrmprepgatheringModify = form;
        return form;
    });
}

void GetZorvaFormDel(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode, QWidget *parent,
                     IRudoDisp *service)
{
    OpenForm(appHandle, hostControl, operatorCode, parent, service, [](QWidget *owner) {
        const QString mode = QStringLiteral("del");
        auto *form = new TFrmprepgatheringSearch(owner, mode);
        // Its own name, so that it can sit beside a normal browser in the same panel.
        form->setObjectName(QStringLiteral("FrmprepgatheringSearch") + mode);
        return form;
    });
}

void GetZorvaFormSearch(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode,
                        QWidget *parent, IRudoDisp *service)
{
    OpenForm(appHandle, hostControl, operatorCode, parent, service, [](QWidget *owner) {
        auto *form = new TFrmprepgatheringSearch(owner, QString());
        FrmprepgatheringSearch = form;
        return form;
    });
}

void GetZorvaFormBillSearch(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode,
                            QWidget *parent, IRudoDisp *service)
{
    OpenForm(appHandle, hostControl, operatorCode, parent, service, [](QWidget *owner) {
        auto *form = new TFrmprepgatheringBillSearch(owner);
        FrmprepgatheringBillSearch = form;
        return form;
    });
}

void GetZorvaFormInput(Win::HWND appHandle, QWidget *hostControl, const unsigned char *operatorCode,
                       QWidget *parent, IRudoDisp *service)
{
    OpenForm(appHandle, hostControl, operatorCode, parent, service, [](QWidget *owner) {
        auto *form = new TFrmPregatheringInput(owner);
        FrmPregatheringInput = form;
        return form;
    });
}
