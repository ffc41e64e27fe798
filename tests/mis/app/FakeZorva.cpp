// A stand-in for libzorva.so that the scripted-run tests load into the real executable: five
// entry points, each embedding a small form that shows what the host handed it.
#include "platform/win/SharedMemory.h"
#include "platform/win/ZorvaHostContract.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString OperatorText(const unsigned char *shortString)
{
    return QString::fromLatin1(reinterpret_cast<const char *>(shortString + 1), shortString[0]);
}

QString MapText()
{
    const std::unique_ptr<TSharedMemory> block = TSharedMemory::Open(QLatin1String(ZorvaSharedMemoryName));
    return block ? QString::fromLatin1(block->Data(), qstrnlen(block->Data(), 3)) : QString();
}

void CreateForm(const char *name, const QString &caption, const unsigned char *operatorCode, QWidget *parent)
{
    auto *form = new QWidget(parent);
    form->setObjectName(QLatin1String(name));
    form->setWindowTitle(caption);
    auto *layout = new QVBoxLayout(form);
    auto *edtOperator = new QLineEdit(OperatorText(operatorCode), form);
    edtOperator->setObjectName(QStringLiteral("edtOperator"));
    auto *lblMapText = new QLabel(MapText(), form);
    lblMapText->setObjectName(QStringLiteral("lblMapText"));
    auto *edtCode = new QLineEdit(form);
    edtCode->setObjectName(QStringLiteral("edtCode"));
    auto *lblEcho = new QLabel(form);
    lblEcho->setObjectName(QStringLiteral("lblEcho"));
    auto *btnEcho = new QPushButton(QStringLiteral("回显(&E)"), form);
    btnEcho->setObjectName(QStringLiteral("btnEcho"));
    QObject::connect(btnEcho, &QPushButton::clicked, lblEcho, [=] { lblEcho->setText(edtCode->text()); });
    for (QWidget *control : QList<QWidget *>{edtOperator, lblMapText, edtCode, lblEcho, btnEcho})
        layout->addWidget(control);
    form->setGeometry(parent->rect());
    form->show();
}

} // namespace

#define FAKE_ENTRY(entry, formName, caption)                                                                     \
    extern "C" __attribute__((visibility("default"))) void entry(Win::HWND, QWidget *, const unsigned char *code, \
                                                                 QWidget *parent, IRudoDisp *)                    \
    {                                                                                                            \
        CreateForm(formName, QStringLiteral(caption), code, parent);                                             \
    }

FAKE_ENTRY(GetZorvaFormInput, "FrmPregatheringInput", "收款单录入")
FAKE_ENTRY(GetZorvaFormSearch, "FrmprepgatheringSearch", "预收款单查询")
FAKE_ENTRY(GetZorvaFormDel, "FrmprepgatheringSearchdel", "预收款单查询")
FAKE_ENTRY(GetZorvaFormBillSearch, "FrmprepgatheringBillSearch", "收款单明细查询")
FAKE_ENTRY(GetZorvaFormBillModify, "FrmprepgatheringModify", "预收款单修改")
