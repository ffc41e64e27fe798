#include "EntryFormFixture.h"

#include "module/entry/HostContext.h"
#include "module/entry/ZorvaExports.h"
#include "module/common/Global.h"
#include "platform/data/TGbkCodec.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/win/ZorvaHostContract.h"

#include <QApplication>
#include <QTest>

EntryFormFixture::EntryFormFixture()
{
    TFrmPregatheringInput::SetSettingsFolder(m_settings.path() + u'/');
    m_window.resize(1100, 640);
    m_panel = new QWidget(&m_window);
    m_panel->setGeometry(0, 0, 1100, 640);
    Clerk::ShowActive(&m_window);
    Win::SetMessageHandler(&m_hostControl, [this](unsigned message, qintptr, qintptr) -> qintptr {
        m_hostMessages << QString::number(message, 16);
        return 0;
    });
}

EntryFormFixture::~EntryFormFixture()
{
    delete m_panel;
    FreeClosedForms();
    ReleaseHostContext();
    TFrmPregatheringInput::SetSettingsFolder(QString());
}

TFrmPregatheringInput *EntryFormFixture::Open(const QString &operatorCode, QWidget *panel)
{
    const QByteArray code = TGbkCodec::Encode(operatorCode);
    const QByteArray shortString = char(code.size()) + code;
    GetZorvaFormInput(Win::HandleOf(&m_window), &m_hostControl, reinterpret_cast<const unsigned char *>(shortString.data()),
                      panel ? panel : m_panel, m_host.Disp());
    QApplication::processEvents();
    const QList<TFrmPregatheringInput *> forms =
        (panel ? panel : m_panel)->findChildren<TFrmPregatheringInput *>(Qt::FindDirectChildrenOnly);
    m_form = forms.isEmpty() ? nullptr : forms.back();
    return m_form;
}

TFlatEdit *EntryFormFixture::Edit(const QString &name) const
{
    return Named<TFlatEdit>(m_form, name);
}

TAdvColumnGrid *EntryFormFixture::Items() const
{
    return Named<TAdvColumnGrid>(m_form, QStringLiteral("sgdInputys"));
}

TAdvColumnGrid *EntryFormFixture::Payments() const
{
    return Named<TAdvColumnGrid>(m_form, QStringLiteral("sgdinputsk"));
}

void EntryFormFixture::ClickCell(TAdvColumnGrid *grid, int col, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QApplication::processEvents();
}

void EntryFormFixture::TypeInto(QWidget *control, const QString &text)
{
    control->setFocus();
    Clerk::Type(nullptr, text);
}

void EntryFormFixture::Press(int key, Qt::KeyboardModifiers modifiers)
{
    Clerk::Key(nullptr, key, modifiers);
}

void EntryFormFixture::ChooseCustomer(const QString &code)
{
    TypeInto(Edit(QStringLiteral("edtkhbm")), code);
    Press(Qt::Key_Return);
}

void EntryFormFixture::IntoItemGrid()
{
    Edit(QStringLiteral("edtbz_"))->setFocus();
    Press(Qt::Key_Return);
}

void EntryFormFixture::EnterItem(int row, const QString &code, const QString &amount)
{
    if (Items()->Row() != row || Items()->Col() != 0 || !Items()->Focused())
        ClickCell(Items(), 0, row);
    Clerk::Type(nullptr, code);
    Press(Qt::Key_Return);
    Clerk::Type(nullptr, amount);
    Press(Qt::Key_Return);
}

void EntryFormFixture::EnterPayment(int row, const QString &code, const QString &amount)
{
    if (Payments()->Row() != row || Payments()->Col() != 0 || !Payments()->Focused())
        ClickCell(Payments(), 0, row);
    Clerk::Type(nullptr, code);
    Press(Qt::Key_Return);
    Clerk::Type(nullptr, amount);
    Press(Qt::Key_Return);
}

void EntryFormFixture::AddReceivableItems(int count)
{
    for (int i = 1; i <= count; ++i) {
        const QString code = QString::number(1000 + i);
        m_host.Execute(QStringLiteral("INSERT INTO tbsfxmda (f_sfxmbm,f_sfxmmc) VALUES (?,?)"),
                       {code, QStringLiteral("项目") + code});
    }
}

QString EntryFormFixture::RowText(const TAdvColumnGrid *grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid->ColCount(); ++col)
        cells << grid->Cells(col, row);
    return cells.join(u'|');
}

QString EntryFormFixture::BillNumberShown() const
{
    return Edit(QStringLiteral("edtdjh"))->text();
}

QString EntryFormFixture::Ini(const QString &section, const QString &key) const
{
    QString value;
    ReadIni(QStringLiteral("Halvernpos.ini"), section, key, value, m_settings.path() + u'/', QStringLiteral("<none>"));
    return value;
}

void EntryFormFixture::SetIni(const QString &section, const QString &key, const QString &value) const
{
    WriteIni(QStringLiteral("Halvernpos.ini"), section, key, m_settings.path() + u'/', value);
}

QStringList EntryFormFixture::StoredItems(const QString &number, const QString &columns) const
{
    return m_host.Select(QStringLiteral("SELECT %1 FROM tb200503_Ysfxmmx WHERE f_djh=? ORDER BY f_dnxh").arg(columns),
                         {number});
}

QStringList EntryFormFixture::StoredPayments(const QString &number, const QString &columns) const
{
    return m_host.Select(QStringLiteral("SELECT %1 FROM tb200503_yskmxcb WHERE f_djh=? ORDER BY f_dnxh").arg(columns),
                         {number});
}

void EntryFormFixture::FreeClosedForms()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}
