#include "TFrmPregatheringInput.h"

#include "TBillEntrySave.h"
#include "TFormActivation.h"
#include "TGridColumnLayout.h"
#include "TItemGridEditor.h"
#include "TOrderPull.h"
#include "TPaymentGridEditor.h"

#include "module/browse/TBillPrintPath.h"
#include "module/common/Global.h"
#include "module/entry/HostContext.h"
#include "module/query/TRopWin.h"
#include "module/services/TSysParamSelector.h"
#include "module/services/TZorvaClass.h"
#include "platform/data/NumberText.h"
#include "platform/data/TDataSet.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TKeyHooks.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPanel.h"
#include "platform/widgets/TSplitter.h"
#include "platform/widgets/TToolBar.h"
#include "platform/widgets/TToolButton.h"
#include "platform/win/ApplicationErrors.h"
#include "platform/win/MessageBox.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString IniFile = QStringLiteral("Halvernpos.ini");
const QString IniSection = QStringLiteral("prepgathering");
const QString BillTitle = QStringLiteral("预收款单");
const QString FirstItemCode = QStringLiteral("0001");

// The form's geometry as designed; the host panel gives the rest to the two grids.
namespace Design {
constexpr int ToolBarHeight = 44;
constexpr int HeaderHeight = 102;
constexpr int TitleTop = 4;
constexpr int FieldRowTop[2] = {48, 74};
constexpr int FieldHeight = 21;
constexpr int LabelWidth = 72;
constexpr int EditWidth = 136;
constexpr int GroupLeft[4] = {12, 236, 460, 684};
constexpr int CaptionHeight = 20;
constexpr int BottomHeight = 30;
constexpr int RemarkLeft = 52;
constexpr int RemarkWidth = 420;
constexpr int MakerLabelLeft = 500;
constexpr int TemplatePanelWidth = 140;
} // namespace Design

constexpr TColor DesignBackground = 14614267; // 0xDEFEFB

QString &SettingsFolderValue()
{
    static QString folder;
    return folder;
}

QString ShownDate(const QString &yyyymmdd)
{
    return yyyymmdd.left(4) + u'-' + yyyymmdd.mid(4, 2) + u'-' + yyyymmdd.mid(6, 2);
}

// Message boxes shown while the bill is printed after a save go nowhere: that print's
// failures are ignored.
class TSilentBoxes {
public:
    TSilentBoxes()
        : m_previous(Win::SetMessageBoxFunction([](const Win::TMessageBoxRequest &) { return int(Win::IDOK); }))
    {
    }
    ~TSilentBoxes() { Win::SetMessageBoxFunction(std::move(m_previous)); }
    TSilentBoxes(const TSilentBoxes &) = delete;
    TSilentBoxes &operator=(const TSilentBoxes &) = delete;

private:
    Win::TMessageBoxFunction m_previous;
};

} // namespace

TFrmPregatheringInput::TFrmPregatheringInput(QWidget *owner) : TFrmBase(owner), m_host(HostService)
{
    setObjectName(QStringLiteral("FrmPregatheringInput"));
    setWindowTitle(QStringLiteral("收款单录入"));
    SetKeyPreview(true);
    BuildLayout();
    FormCreate();
}

TFrmPregatheringInput::~TFrmPregatheringInput() = default;

void TFrmPregatheringInput::SetSettingsFolder(const QString &folder)
{
    SettingsFolderValue() = folder;
}

QString TFrmPregatheringInput::SettingsFolder()
{
    return SettingsFolderValue();
}

void TFrmPregatheringInput::BuildLayout()
{
    auto *main = new QVBoxLayout(PanelMain);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    BuildToolBar();
    BuildHeader();
    BuildInputArea();
    BuildBottom();
    main->addWidget(ToolBar1);
    main->addWidget(Panel1);
    main->addWidget(PanelInput, 1);
    main->addWidget(Panel2);
    RopHelp = new TRopWin(this);
    RopHelp->setObjectName(QStringLiteral("RopHelp"));
    QFont helpFont(QStringLiteral("宋体"));
    helpFont.setPointSize(9);
    RopHelp->SetFont(helpFont);
    RopHelp->SetLines(QStringList{QStringLiteral("可输出项(报表名称为: 预收款单 )")} + TBillPrintPath::HelpLines()
                      + QStringList{QStringLiteral("快捷键："), QStringLiteral("    删  行: Ctrl+D"),
                                    QStringLiteral("    插  行: Ctrl+I"), QStringLiteral("    保  存: Ctrl+S"),
                                    QStringLiteral("    预  览: Ctrl+V"), QStringLiteral("    打  印: Ctrl+P"),
                                    QStringLiteral("    退  出: ESC")});
}

void TFrmPregatheringInput::BuildToolBar()
{
    ToolBar1 = new TToolBar(PanelMain);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(Design::ToolBarHeight);
    TBnew = ToolBar1->AddButton(QStringLiteral("TBnew"), QStringLiteral("新  建"));
    btnSaveBill = ToolBar1->AddButton(QStringLiteral("btnSaveBill"), QStringLiteral("保  存"), QStringLiteral("Ctrl+S"));
    btnGd = ToolBar1->AddButton(QStringLiteral("btnGd"), QStringLiteral("调订单"));
    ToolButton6 = ToolBar1->AddButton(QStringLiteral("ToolButton6"), QStringLiteral("重  置"));
    ToolBar1->AddSeparator();
    btnDelete = ToolBar1->AddButton(QStringLiteral("btnDelete"), QStringLiteral("删  行"), QStringLiteral("Ctrl+D"));
    btnInsert = ToolBar1->AddButton(QStringLiteral("btnInsert"), QStringLiteral("插  行"), QStringLiteral("Ctrl+I"));

    auto *templatePanel = new TPanel(ToolBar1);
    templatePanel->setObjectName(QStringLiteral("PanelTemplate"));
    templatePanel->SetBevelOuter(TPanel::bvNone);
    templatePanel->setFixedWidth(Design::TemplatePanelWidth);
    auto *templateLayout = new QVBoxLayout(templatePanel);
    templateLayout->setContentsMargins(2, 0, 2, 0);
    templateLayout->setSpacing(1);
    auto *templateLabel = new TLabel(QStringLiteral("打印模板列表"), templatePanel);
    templateLabel->setObjectName(QStringLiteral("Label9"));
    ChkTemplate = new TFlatComboBox(templatePanel);
    ChkTemplate->setObjectName(QStringLiteral("ChkTemplate"));
    ChkTemplate->SetStyle(TFlatComboBox::csDropDownList);
    ChkTemplate->setFocusPolicy(Qt::ClickFocus);
    templateLayout->addWidget(templateLabel);
    templateLayout->addWidget(ChkTemplate);
    ToolBar1->AddControl(templatePanel);

    ToolBar1->AddSeparator();
    TBpreview = ToolBar1->AddButton(QStringLiteral("TBpreview"), QStringLiteral("预  览"), QStringLiteral("Ctrl+V"));
    TBprint = ToolBar1->AddButton(QStringLiteral("TBprint"), QStringLiteral("打  印"), QStringLiteral("Ctrl+P"));
    TBpreview->hide();
    TBprint->hide();
    ToolBar1->AddSeparator();
    ToolButton3 = ToolBar1->AddButton(QStringLiteral("ToolButton3"), QStringLiteral("助  手"));
    btnExit = ToolBar1->AddButton(QStringLiteral("btnExit"), QStringLiteral("退  出 "), QStringLiteral("Esc"));
}

void TFrmPregatheringInput::BuildHeader()
{
    Panel1 = new TPanel(PanelMain);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->SetBevelOuter(TPanel::bvNone);
    Panel1->SetColor(DesignBackground);
    Panel1->setFixedHeight(Design::HeaderHeight);

    lblBillTitle = new TLabel(BillTitle, Panel1);
    lblBillTitle->setObjectName(QStringLiteral("lblBillTitle"));
    QFont titleFont = font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    lblBillTitle->setFont(titleFont);
    lblBillTitle->SetFontColor(clGreen);
    lblBillTitle->adjustSize();
    lblBillTitle->move(0, Design::TitleTop);

    struct TField {
        TFlatEdit *&Edit;
        const char *Name;
        const char *Label;
        bool ReadOnly;
        int Group;
        int Row;
    };
    // In tab order: down the department column, then the customer column.
    const TField fields[] = {
        {edtbmbm, "edtbmbm", "部门编码：", true, 0, 0},  {edtkhbm, "edtkhbm", "客户编码：", false, 0, 1},
        {edtbmmc, "edtbmmc", "部门名称：", true, 1, 0},  {edtkhmc, "edtkhmc", "客户名称：", false, 1, 1},
        {edtskrq, "edtskrq", "收款日期：", true, 2, 0},  {edtkhzjf, "edtkhzjf", "助 记 符：", false, 2, 1},
        {edtdjh, "edtdjh", "单据号：", true, 3, 0},      {edtdkye, "edtdkye", "预收余额：", true, 3, 1},
    };
    QWidget *previous = nullptr;
    for (const TField &field : fields) {
        const int left = Design::GroupLeft[field.Group];
        const int top = Design::FieldRowTop[field.Row];
        auto *label = new TLabel(QString::fromUtf8(field.Label), Panel1);
        label->setGeometry(left, top, Design::LabelWidth, Design::FieldHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field.Edit = new TFlatEdit(Panel1);
        field.Edit->setObjectName(QString::fromLatin1(field.Name));
        field.Edit->setGeometry(left + Design::LabelWidth, top, Design::EditWidth, Design::FieldHeight);
        field.Edit->setReadOnly(field.ReadOnly);
        field.Edit->SetColorBorder(clGreen);
        if (previous)
            setTabOrder(previous, field.Edit);
        previous = field.Edit;
    }
}

void TFrmPregatheringInput::BuildInputArea()
{
    PanelInput = new TPanel(PanelMain);
    PanelInput->setObjectName(QStringLiteral("PanelInput"));
    PanelInput->SetBevelOuter(TPanel::bvNone);
    auto *layout = new QHBoxLayout(PanelInput);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new TSplitter(Qt::Horizontal, PanelInput);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    layout->addWidget(Splitter1);

    const auto side = [this](const char *name, const QString &caption, TAdvColumnGrid *&grid, const char *gridName) {
        auto *panel = new TPanel(Splitter1);
        panel->setObjectName(QString::fromLatin1(name));
        panel->SetBevelOuter(TPanel::bvNone);
        auto *column = new QVBoxLayout(panel);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        auto *title = new TPanel(panel);
        title->SetCaption(caption);
        title->SetColor(DesignBackground);
        title->SetFontColor(clGreen);
        title->setFixedHeight(Design::CaptionHeight);
        grid = new TAdvColumnGrid(panel);
        grid->setObjectName(QString::fromLatin1(gridName));
        grid->SetGridLineColor(clGreen);
        column->addWidget(title);
        column->addWidget(grid, 1);
        return panel;
    };
    PanelLeft = side("PanelLeft", QStringLiteral("应收项目"), sgdInputys, "sgdInputys");
    PanelRight = side("PanelRight", QStringLiteral("收款项目"), sgdinputsk, "sgdinputsk");
    Splitter1->addWidget(PanelLeft);
    Splitter1->addWidget(PanelRight);
    // The left panel keeps its width when the host panel grows; the payment side takes the rest.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
}

void TFrmPregatheringInput::BuildBottom()
{
    Panel2 = new TPanel(PanelMain);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->SetBevelOuter(TPanel::bvNone);
    Panel2->SetColor(DesignBackground);
    Panel2->setFixedHeight(Design::BottomHeight);
    const int top = (Design::BottomHeight - Design::FieldHeight) / 2;
    auto *remarkLabel = new TLabel(QStringLiteral("备注："), Panel2);
    remarkLabel->setGeometry(Design::GroupLeft[0], top, Design::RemarkLeft - Design::GroupLeft[0], Design::FieldHeight);
    edtbz_ = new TFlatEdit(Panel2);
    edtbz_->setObjectName(QStringLiteral("edtbz_"));
    edtbz_->setGeometry(Design::RemarkLeft, top, Design::RemarkWidth, Design::FieldHeight);
    edtbz_->SetColorBorder(clGreen);
    auto *makerLabel = new TLabel(QStringLiteral("制单人："), Panel2);
    makerLabel->setGeometry(Design::MakerLabelLeft, top, 56, Design::FieldHeight);
    edtzdrmc_ = new TLabel(Panel2);
    edtzdrmc_->setObjectName(QStringLiteral("edtzdrmc_"));
    edtzdrmc_->setGeometry(Design::MakerLabelLeft + 56, top, 160, Design::FieldHeight);
}

void TFrmPregatheringInput::ConnectHandlers()
{
    for (TFlatEdit *field : {edtbmbm, edtkhbm, edtbmmc, edtkhmc, edtskrq, edtkhzjf, edtdjh, edtdkye, edtbz_}) {
        TKeyHooks *hooks = TKeyHooks::Of(field);
        hooks->SetOnKeyDown([this](QWidget *sender, int &key, Qt::KeyboardModifiers) { HeadKeyDown(sender, key); });
        hooks->SetOnKeyPress([this](QWidget *sender, QChar &key) { HeadKeyPress(sender, key); });
    }
    for (TFlatEdit *field : {edtkhbm, edtkhzjf, edtbz_})
        field->installEventFilter(this);
    const std::pair<TToolButton *, void (TFrmPregatheringInput::*)()> clicks[] = {
        {TBnew, &TFrmPregatheringInput::TBnewClick},
        {btnSaveBill, &TFrmPregatheringInput::btnSaveBillClick},
        {btnGd, &TFrmPregatheringInput::btnGdClick},
        {ToolButton6, &TFrmPregatheringInput::ToolButton6Click},
        {btnDelete, &TFrmPregatheringInput::btnDeleteClick},
        {btnInsert, &TFrmPregatheringInput::btnInsertClick},
        {TBpreview, &TFrmPregatheringInput::TBpreviewClick},
        {TBprint, &TFrmPregatheringInput::TBprintClick},
        {ToolButton3, &TFrmPregatheringInput::ToolButton3Click},
        {btnExit, &TFrmPregatheringInput::btnExitClick},
    };
    for (const auto &[button, handler] : clicks)
        Win::ConnectGuarded(button, &QToolButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
}

void TFrmPregatheringInput::FormCreate()
{
    CloseAtShow = false;
    m_service = std::make_unique<TZorvaClass>(HostService, Handle());
    m_itemGrid = std::make_unique<TItemGridEditor>(*sgdInputys, m_items, *m_service, PanelMain, Handle());
    m_paymentGrid = std::make_unique<TPaymentGridEditor>(*sgdinputsk, m_payments, *m_service, PanelMain, Handle(),
                                                         [this](TPaymentRecord &line) { StampPayment(line); });
    m_print = std::make_unique<TBillPrintPath>(Handle(), ChkTemplate, m_host, m_items, m_payments);
    ConnectHandlers();
    m_activation = std::make_unique<TFormActivation>(*this, [this] { FormActivate(); });
    if (!Win::Guarded([this] { CloseAtShow = !CreateBill(); }))
        CloseAtShow = true;
}

bool TFrmPregatheringInput::CreateBill()
{
    const auto error = [this](const QString &text) {
        Win::MessageBox(Handle(), text, QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
        return false;
    };
    const auto hostError = [this](const QVariant &messages) {
        QString text;
        ShowHostError(Handle(), messages, QString(), text);
        return false;
    };

    m_info.OperatorCode = HostOperatorCode;
    QString errorText;
    if (!m_service->ReadSysParams(m_info, InputFormSelectors, errorText))
        return error(errorText);
    edtskrq->setText(ShownDate(m_info.CurDate));
    edtzdrmc_->setText(m_info.OperatorName);
    edtbmbm->setText(m_info.dybm);

    QVariant department = m_info.dybm;
    edtbmmc->clear();
    if (m_host.GetDepartment(department)) {
        TDataSet departments;
        if (departments.SetData(department.toByteArray()) && !departments.IsEmpty()) {
            if (const std::optional<TField> name = departments.FindField(QStringLiteral("f_bmmc")))
                edtbmmc->setText(name->AsString());
        }
    }

    sgdInputys->SetCells(TItemGridEditor::CodeCol, 1, FirstItemCode);
    QVariant data;
    if (!m_host.QuerySql(QStringLiteral("select * from tbsfxmda where f_sfxmbm='%1'")
                             .arg(sgdInputys->Cells(TItemGridEditor::CodeCol, 1)),
                         data))
        return hostError(data);
    TDataSet firstItem;
    const std::optional<TField> code =
        firstItem.SetData(data.toByteArray()) ? firstItem.FindField(QStringLiteral("f_sfxmbm")) : std::nullopt;
    if (firstItem.IsEmpty() || !code || code->AsString() != FirstItemCode)
        return error(QStringLiteral("在收付项目档案中没有编码为0001的收付项目，请设置!"));
    m_firstItemName = firstItem.FieldByName(QStringLiteral("f_sfxmmc")).AsString();
    sgdInputys->SetCells(TItemGridEditor::NameCol, 1, m_firstItemName);
    TPaymentRecord first;
    first.f_sfxmbm = FirstItemCode;
    first.f_sfxmmc = m_firstItemName;
    m_items.Add(first);

    QVariant templateError;
    if (!m_print->LoadTemplates(lblBillTitle->text(), templateError))
        return hostError(templateError);

    QVariant number;
    QVariant month = m_info.CurYearMonth;
    if (!m_host.BillQuery(0, number, month))
        return hostError(number);
    edtdjh->setText(number.toString());
    return true;
}

void TFrmPregatheringInput::showEvent(QShowEvent *event)
{
    TFrmBase::showEvent(event);
    if (!CloseAtShow && !m_shown)
        Win::Guarded([this] { FormShow(); });
}

void TFrmPregatheringInput::FormShow()
{
    m_shown = true;
    const QString folder = SettingsFolder();
    PanelMain->layout()->activate();
    QString splitterSize;
    ReadIni(IniFile, IniSection, QStringLiteral("SplitterSize"), splitterSize, folder, QString());
    const int clientWidth = PanelInput->contentsRect().width();
    const int left = IsIntegerText(splitterSize)
                         ? int(std::clamp<qint64>(splitterSize.trimmed().toLongLong(), 0, clientWidth))
                         : clientWidth / 2;
    Splitter1->setSizes({left, qMax(0, clientWidth - left - Splitter1->handleWidth())});

    const TGridColumnLayout layout(IniFile, objectName(), folder);
    layout.Load(*sgdInputys);
    layout.Load(*sgdinputsk);

    QString printTemplate;
    ReadIni(IniFile, IniSection, QStringLiteral("PrintTemplate"), printTemplate, folder, QStringLiteral("0"));
    m_print->SelectRemembered(printTemplate);

    m_itemGrid->SwitchOnFooterSum();
    m_paymentGrid->SwitchOnFooterSum();
    PanelMainResize();
    edtkhbm->setFocus();
}

void TFrmPregatheringInput::FormActivate()
{
    if (CloseAtShow || !m_shown || m_closed)
        return;
    StartNewBill();
}

void TFrmPregatheringInput::StartNewBill()
{
    QVariant number;
    QVariant month = m_info.CurYearMonth;
    if (!m_host.BillQuery(0, number, month)) {
        QString text;
        ShowHostError(Handle(), number, QString(), text);
        CloseAtShow = true;
        return;
    }
    edtdjh->setText(number.toString());
    m_itemGrid->StartBill(FirstItemCode, m_firstItemName);
    m_paymentGrid->Clear();
    sgdinputsk->FocusCell(TPaymentGridEditor::MethodCol, 1);
    for (TFlatEdit *field : {edtkhbm, edtkhmc, edtkhzjf, edtdkye, edtbz_})
        field->clear();
    m_customer.Code.clear();
    m_customer.Name.clear();
    m_customer.Mnemonic.clear();
    m_itemGrid->RecalcFooter();
    m_paymentGrid->RecalcFooter();
    edtkhbm->setFocus();
}

void TFrmPregatheringInput::HeadKeyDown(QWidget *sender, int &key)
{
    const QString name = sender->objectName().toLower();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        key = 0;
        if (name == QLatin1String("edtkhbm"))
            LookupCustomer(edtkhbm, 0);
        else if (name == QLatin1String("edtkhmc"))
            LookupCustomer(edtkhmc, 1);
        else if (name == QLatin1String("edtkhzjf"))
            LookupCustomer(edtkhzjf, 2);
        else if (name == QLatin1String("edtbz_")) {
            sgdInputys->setFocus();
            sgdInputys->FocusCell(TItemGridEditor::CodeCol, 2);
            sgdInputys->ShowInplaceEdit();
        } else {
            edtkhbm->setFocus();
        }
        return;
    }
    if (key != Qt::Key_Down && key != Qt::Key_Up)
        return;
    const QList<QWidget *> chain{edtbmbm, edtbmmc, edtskrq, edtdjh, edtkhbm, edtkhmc, edtkhzjf, edtdkye, edtbz_, sgdInputys};
    qsizetype at = -1;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        if (chain.at(i)->objectName().toLower() == name)
            at = i;
    }
    if (at < 0)
        return;
    const qsizetype next = at + (key == Qt::Key_Down ? 1 : -1);
    key = 0;
    if (next >= 0 && next < chain.size())
        chain.at(next)->setFocus();
}

void TFrmPregatheringInput::HeadKeyPress(QWidget *sender, QChar &key)
{
    if (key == u'\r') {
        key = QChar();
        return;
    }
    if (sender->objectName().toLower() == QLatin1String("edtkhbm") && key != u'\b'
        && !(key >= u'0' && key <= u'9'))
        key = QChar();
}

void TFrmPregatheringInput::LookupCustomer(TFlatEdit *field, quint8 mode)
{
    if (!m_service)
        return;
    if (m_items.Count() > 1 || m_payments.Count() > 0) {
        Win::MessageBox(Handle(), QStringLiteral("已经有数据不能修改客户!"), QStringLiteral("警告"),
                        Win::MB_OK | Win::MB_ICONWARNING);
        return;
    }
    // Under the field; the code's list keeps clear of the name's row.
    const TFlatEdit *row = field == edtkhbm ? edtkhmc : field;
    const int left = field->mapTo(PanelMain, QPoint(0, 0)).x();
    const int top = row->mapTo(PanelMain, QPoint(0, 0)).y() + row->height();
    m_service->LookupManufacturer(mode, PanelMain, edtbz_, field, field->text(), m_customer, clWhite, 0, 0, top,
                                  left);
}

void TFrmPregatheringInput::HeadRefresh()
{
    if (m_refreshing || m_closed)
        return;
    m_refreshing = true;
    const auto done = qScopeGuard([this] { m_refreshing = false; });
    edtkhbm->setText(m_customer.Code);
    edtkhmc->setText(m_customer.Name);
    edtkhzjf->setText(m_customer.Mnemonic);
    if (m_customer.Code.isEmpty())
        return;
    QVariant balance;
    QVariant params = m_info.CurYearMonth + u'\t' + m_info.dybm + u'\t' + m_customer.Code;
    if (!m_host.BillQuery(9, balance, params)) {
        QString text;
        ShowHostError(Handle(), balance, QString(), text);
        m_customer = TManufacturerInfo();
        for (TFlatEdit *field : {edtkhbm, edtkhmc, edtkhzjf, edtdkye})
            field->clear();
        return;
    }
    // The balance is shown only: written into the first line's amount it would be printed as
    // what the customer pays for that item.
    edtdkye->setText(FormatFloat(QStringLiteral("0.00"), balance.toDouble()));
    m_itemGrid->RecalcFooter();
}

bool TFrmPregatheringInput::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        && (watched == edtkhbm || watched == edtkhzjf || watched == edtbz_)) {
        // Focus that comes and goes with the whole window (a box, another application) is no
        // entering or leaving of the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Win::Guarded([this] { HeadRefresh(); });
    }
    return TFrmBase::eventFilter(watched, event);
}

void TFrmPregatheringInput::FormKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    // The lookup list has the keys while it is open.
    if (!m_service || m_service->IsLookupOpen())
        return;
    QAbstractButton *button = nullptr;
    if (shift & Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_D:
            button = btnDelete;
            break;
        case Qt::Key_I:
            button = btnInsert;
            break;
        case Qt::Key_P:
            button = TBprint;
            break;
        case Qt::Key_S:
            button = btnSaveBill;
            break;
        case Qt::Key_V:
            button = TBpreview;
            break;
        default:
            break;
        }
    } else if (key == Qt::Key_Escape) {
        button = btnExit;
    }
    if (!button)
        return;
    key = 0;
    button->click();
}

void TFrmPregatheringInput::PanelMainResize()
{
    lblBillTitle->move((PanelMain->width() - lblBillTitle->width()) / 2, Design::TitleTop);
}

void TFrmPregatheringInput::TBnewClick()
{
    StartNewBill();
}

void TFrmPregatheringInput::ToolButton6Click()
{
    StartNewBill();
    edtkhbm->setFocus();
}

void TFrmPregatheringInput::btnSaveBillClick()
{
    if (!m_itemGrid)
        return;
    TBillEntryHeader header;
    header.DeptCode = edtbmbm->text();
    header.DeptName = edtbmmc->text();
    header.BillDate = m_info.CurDate;
    header.BillNumber = edtdjh->text();
    header.CustomerCode = edtkhbm->text();
    header.CustomerName = edtkhmc->text();
    header.CustomerMnemonic = edtkhzjf->text();
    header.Remark = edtbz_->text();
    header.MakerCode = HostOperatorCode;
    header.MakerName = m_info.OperatorName;
    header.OperatorCode = m_info.OperatorCode;
    header.OperatorName = m_info.OperatorName;
    const std::optional<QString> number =
        TBillEntrySave(*m_itemGrid, *m_paymentGrid, m_host, Handle()).Save(header);
    if (!number)
        return;
    m_lastSavedNumber = *number;
    if (Win::MessageBox(Handle(), QStringLiteral("是否打印该单据？"), QStringLiteral("提问"),
                        Win::MB_YESNO | Win::MB_ICONQUESTION)
        == Win::IDYES) {
        const TSilentBoxes silent;
        try {
            PrintBill(true);
        } catch (...) {
            // A failed print after a save is no reason to keep the clerk from the next bill.
        }
    }
    StartNewBill();
}

void TFrmPregatheringInput::btnGdClick()
{
    if (!m_itemGrid)
        return;
    if (!m_orderPull)
        m_orderPull = std::make_unique<TOrderPull>(m_host, this, Handle());
    TOrderPullRequest request;
    request.CustomerCode = edtkhbm->text();
    request.CustomerName = edtkhmc->text();
    request.DepartmentCode = m_info.dybm;
    request.DepartmentName = edtbmmc->text();
    request.YearMonth = m_info.CurYearMonth;
    for (int k = 0; k < m_items.Count(); ++k) {
        if (!m_items.Items(k).f_ddh.isEmpty())
            request.OrdersOnBill << m_items.Items(k).f_ddh;
    }
    if (const std::optional<TOrderPullChoice> choice = m_orderPull->Run(request))
        ApplyPulledOrders(*choice);
}

void TFrmPregatheringInput::ApplyPulledOrders(const TOrderPullChoice &choice)
{
    m_itemGrid->Clear();
    sgdinputsk->ClearRows(1, sgdinputsk->RowCount() - 2);
    m_payments.Clear();
    for (const TPulledOrder &order : choice.Orders) {
        TPaymentRecord line;
        line.f_sfxmbm = choice.ItemCode;
        line.f_sfxmmc = choice.ItemName;
        line.f_ddh = order.OrderNo;
        // The line keeps the amount its row shows, as a line left by the clerk does.
        line.f_sfje = TryStrToFloat(order.AmountText).value_or(0);
        m_itemGrid->AppendLine(line, {choice.ItemCode, choice.ItemName, order.AmountText, order.OrderNo});
    }
    m_itemGrid->RecalcFooter();

    TPaymentRecord payment;
    payment.f_zffsbm = choice.PayModeCode;
    payment.f_zffsmc = choice.PayModeName;
    payment.f_czrbm = m_info.OperatorCode;
    payment.f_czrmc = m_info.OperatorName;
    payment.f_czsj = m_info.CurDateTime.left(14);
    payment.f_zfje = sgdInputys->FooterValue(TItemGridEditor::AmountColumn);
    m_paymentGrid->AppendLine(payment, {payment.f_zffsmc, sgdInputys->FooterText(TItemGridEditor::AmountColumn),
                                        QString(), payment.f_czrmc, payment.f_czsj});
    m_paymentGrid->RecalcFooter();
    // The cursors go back to the first row: the rows they stood on may be gone.
    sgdInputys->FocusCell(TItemGridEditor::CodeCol, 1);
    sgdinputsk->FocusCell(TPaymentGridEditor::MethodCol, 1);
}

void TFrmPregatheringInput::btnDeleteClick()
{
    if (sgdInputys->Focused() && m_itemGrid)
        m_itemGrid->DeleteRow();
    else if (sgdinputsk->Focused() && m_paymentGrid)
        m_paymentGrid->DeleteRow();
}

void TFrmPregatheringInput::btnInsertClick()
{
    if (sgdInputys->Focused() && m_itemGrid)
        m_itemGrid->InsertRow();
    else if (sgdinputsk->Focused() && m_paymentGrid)
        m_paymentGrid->InsertRow();
}

void TFrmPregatheringInput::TBpreviewClick()
{
    PrintBill(false);
}

void TFrmPregatheringInput::TBprintClick()
{
    PrintBill(true);
}

void TFrmPregatheringInput::PrintBill(bool print)
{
    TBillPrintHeader header;
    header.DeptCode = edtbmbm->text();
    header.DeptName = edtbmmc->text();
    header.ClientCode = edtkhbm->text();
    header.ClientName = edtkhmc->text();
    header.BillNumber = m_lastSavedNumber;
    header.BillDate = edtskrq->text();
    header.Remark = edtbz_->text();
    header.BillManCode = m_info.OperatorCode;
    header.BillManName = m_info.OperatorName;
    m_print->PrintBill(print, header);
}

void TFrmPregatheringInput::ToolButton3Click()
{
    RopHelp->Popup();
}

void TFrmPregatheringInput::btnExitClick()
{
    close();
}

void TFrmPregatheringInput::StampPayment(TPaymentRecord &line) const
{
    line.f_czrbm = HostOperatorCode;
    line.f_czrmc = m_info.OperatorName;
    QVariant now;
    if (m_host.GetServerDateTime(now)) {
        line.f_czsj = now.toString().left(14);
    } else {
        QString text;
        ShowHostError(Handle(), now, QString(), text);
        line.f_czsj.clear();
    }
}

void TFrmPregatheringInput::FormClose(TCloseAction &)
{
    if (m_closed)
        return;
    m_closed = true;
    m_activation.reset();
    m_orderPull.reset();
    // A form that closed at once never read the settings, so it keeps the clerk's ones.
    if (m_shown) {
        const QString folder = SettingsFolder();
        WriteIni(IniFile, IniSection, QStringLiteral("SplitterSize"), folder, QString::number(PanelLeft->width()));
        WriteIni(IniFile, IniSection, QStringLiteral("PrintTemplate"), folder,
                 QString::number(m_print->RememberedIndex()));
        const TGridColumnLayout layout(IniFile, objectName(), folder);
        layout.Save(*sgdInputys);
        layout.Save(*sgdinputsk);
    }
    m_itemGrid.reset();
    m_paymentGrid.reset();
    m_service.reset();
}

Win::HWND TFrmPregatheringInput::Handle() const
{
    return Win::HandleOf(const_cast<TFrmPregatheringInput *>(this));
}
