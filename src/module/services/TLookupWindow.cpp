#include "TLookupWindow.h"

#include "LookupStatements.h"

#include "module/common/Global.h"
#include "platform/widgets/TKeyHooks.h"
#include "platform/widgets/TListItem.h"
#include "platform/widgets/TListView.h"
#include "platform/win/ApplicationErrors.h"
#include "platform/win/MessageBox.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QScopeGuard>
#include <QStringList>

namespace {

constexpr int DefaultWidth = 250;
constexpr int DefaultHeight = 150;

QFont LookupFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(9);
    return font;
}

} // namespace

TLookupWindow::TLookupWindow(const THostDataService &host, TDataSet &query, const QString &dbType, Win::HWND owner)
    : m_host(host), m_query(query), m_dbType(dbType), m_owner(owner)
{
}

TLookupWindow::~TLookupWindow()
{
    delete m_list.data();
}

void TLookupWindow::LookupManufacturer(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                                       const QString &searchText, TManufacturerInfo &info, TColor color, int width,
                                       int height, int top, int left)
{
    // Above level 0 a drill-down is under way: it reuses the open list as it stands.
    const bool newLookup = m_level == 0;
    if (newLookup) {
        if (!parent) {
            qWarning("LookupManufacturer: no panel to show the list on");
            return;
        }
        StartLookup(TKind::Manufacturer, nextControl, sourceControl, searchText);
        m_manufacturerMode = mode;
        m_manufacturerInfo = &info;
        m_filter.clear();
        // Cleared first, so that a lookup that cannot even start is never read as the last choice.
        info.Code.clear();
        info.Name.clear();
        info.Mnemonic.clear();
        if (!RunQuery(LookupSql::CurrentMonth()))
            return;
        if (m_query.IsEmpty()) {
            ShowError(QStringLiteral("没有可利用的系统当前年月！"));
            return;
        }
        const TPlacement placement{parent, color, width, height, top, left};
        TListView &list = PrepareList(placement);
        const std::optional<LookupSql::TManufacturerGroup> group = LookupSql::ManufacturerGroup(mode);
        if (!group) {
            ShowError(QStringLiteral("没有可利用的厂商类型！"));
            return;
        }
        const int a = CharWidth();
        list.AddColumn(group->CodeCaption, 14 * a);
        list.AddColumn(group->NameCaption, 22 * a);
        int listWidth = 45 * a;
        m_filter = group->Filter;
        if (LookupSql::SearchKind(mode) == LookupSql::TSearchKind::ByMnemonic) {
            list.AddColumn(QStringLiteral("助记符"), 10 * a);
            listWidth = 55 * a;
        }
        Position(placement, listWidth);
    }
    ListManufacturers(newLookup);
}

void TLookupWindow::LookupPayMode(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                                  const QString &searchText, TpayModeInfo &info, TColor color, int width, int height,
                                  int top, int left)
{
    StartLookup(TKind::PayMode, nextControl, sourceControl, searchText);
    LookupFlat({QStringLiteral("支付方式编码"), QStringLiteral("支付方式名称"),
                LookupSql::PayModeSearch(mode, searchText), {&info.Code, &info.Name}},
               {parent, color, width, height, top, left});
}

void TLookupWindow::LookupPayInOut(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                                   const QString &searchText, TPayInOutInfo &info, TColor color, int width, int height,
                                   int top, int left)
{
    StartLookup(TKind::PayInOut, nextControl, sourceControl, searchText);
    LookupFlat({QStringLiteral("收付项目编码"), QStringLiteral("收付项目名称"),
                LookupSql::PayInOutSearch(mode, searchText), {&info.Code, &info.Name}},
               {parent, color, width, height, top, left});
}

bool TLookupWindow::IsLookupOpen() const
{
    return m_list && m_list->isVisible();
}

TListView *TLookupWindow::List() const
{
    return m_list;
}

void TLookupWindow::WaitWhileLookupOpen() const
{
    // The list is hidden only by the clerk's keys and clicks, which arrive as events.
    while (IsLookupOpen())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TLookupWindow::StartLookup(TKind kind, QWidget *nextControl, QWidget *sourceControl, const QString &searchText)
{
    m_kind = kind;
    m_level = 0;
    m_accept = false;
    m_nextControl = nextControl;
    m_sourceControl = sourceControl;
    m_searchText = searchText;
}

TListView &TLookupWindow::PrepareList(const TPlacement &placement)
{
    if (!m_list) {
        auto *list = new TListView;
        list->setObjectName(QStringLiteral("lvLookup"));
        list->hide();
        list->resize(DefaultWidth, DefaultHeight);
        TKeyHooks::Of(list)->SetOnKeyDown([this](QWidget *, int &key, Qt::KeyboardModifiers) { ListKeyDown(key); });
        list->SetOnDblClick([this](TListView *) { Win::Guarded([this] { ListDblClick(); }); });
        list->SetOnExit([this](TListView *) { Win::Guarded([this] { ListExit(); }); });
        m_list = list;
    }
    TListView &list = *m_list;
    list.hide();
    if (list.parentWidget() != placement.Parent)
        list.setParent(placement.Parent);
    list.SetColumnClick(false);
    list.ClearItems();
    list.ClearColumns();
    list.SetColor(placement.Color);
    list.SetViewStyle(TListView::vsReport);
    list.setFont(LookupFont());
    return list;
}

void TLookupWindow::Position(const TPlacement &placement, int listWidth)
{
    TListView &list = *m_list;
    list.resize(placement.Width != 0 ? placement.Width : listWidth,
                placement.Height != 0 ? placement.Height : list.height());
    // A list that would run past the panel's edge is moved back so that it ends at the edge.
    const int clientWidth = placement.Parent->width();
    const int clientHeight = placement.Parent->height();
    const int x = clientWidth < list.width() + placement.Left ? clientWidth - list.width() : placement.Left;
    const int y = clientHeight < list.height() + placement.Top ? clientHeight - list.height() : placement.Top;
    list.move(x, y);
}

int TLookupWindow::CharWidth() const
{
    return QFontMetrics(m_list->font()).horizontalAdvance(QLatin1Char('a'));
}

void TLookupWindow::ListManufacturers(bool newLookup)
{
    m_list->ClearItems();
    // A new lookup that lists nothing leaves no level behind, or the next one would be taken
    // for a drill-down.
    const auto nothingListed = [this, newLookup] {
        if (newLookup)
            m_level = 0;
    };
    if (m_level == 0) {
        const LookupSql::TSearchKind kind = LookupSql::SearchKind(m_manufacturerMode);
        if (kind != LookupSql::TSearchKind::ByCode) {
            if (!RunQuery(LookupSql::ManufacturerSearch(m_dbType, kind, m_filter, m_searchText)))
                return;
        } else {
            if (!RunQuery(LookupSql::ManufacturerMinLevel(m_filter, m_searchText)) || m_query.IsEmpty())
                return;
            const TField minLevel = m_query.FieldByName(QStringLiteral("m_jb"));
            if (minLevel.AsString().isEmpty())
                return; // no code begins with the text
            const qint64 level = minLevel.AsInteger();
            if (level < 1) {
                ShowError(QStringLiteral("按编码联想时，取最小级别是为0！"));
                return;
            }
            m_level = int(level);
        }
    }
    if (m_level > 0 && !RunQuery(LookupSql::ManufacturerLevel(m_filter, m_level, m_searchText)))
        return nothingListed();
    if (m_query.IsEmpty())
        return nothingListed();
    if (m_query.RecordCount() == 1 && m_query.FieldByName(QStringLiteral("f_mj")).AsInteger() == 1) {
        TakeManufacturer(m_query.FieldByName(QStringLiteral("f_csbm")).AsString(),
                         m_query.FieldByName(QStringLiteral("f_csmc")).AsString());
        MoveOn();
        return;
    }
    const bool withMnemonic = LookupSql::SearchKind(m_manufacturerMode) == LookupSql::TSearchKind::ByMnemonic;
    const TField code = m_query.FieldByName(QStringLiteral("f_csbm"));
    const TField name = m_query.FieldByName(QStringLiteral("f_csmc"));
    const TField mnemonic = m_query.FieldByName(QStringLiteral("f_zjf"));
    m_list->setUpdatesEnabled(false);
    for (m_query.First(); !m_query.Eof(); m_query.Next()) {
        QStringList subItems{name.AsString()};
        if (withMnemonic)
            subItems << mnemonic.AsString();
        m_list->AddItem(code.AsString(), subItems);
    }
    m_list->setUpdatesEnabled(true);
    ShowList();
}

void TLookupWindow::LookupFlat(const TFlatLookup &lookup, const TPlacement &placement)
{
    if (!placement.Parent) {
        qWarning("Lookup: no panel to show the list on");
        return;
    }
    m_flatRecord = lookup.Record;
    m_flatRecord.Code->clear();
    m_flatRecord.Name->clear();
    TListView &list = PrepareList(placement);
    const int a = CharWidth();
    list.AddColumn(lookup.CodeCaption, 14 * a);
    list.AddColumn(lookup.NameCaption, 20 * a);
    Position(placement, 38 * a);
    if (!RunQuery(lookup.Sql) || m_query.IsEmpty())
        return;
    const TField code = m_query.Fields(0);
    const TField name = m_query.Fields(1);
    if (m_query.RecordCount() == 1) {
        *m_flatRecord.Code = code.AsString();
        *m_flatRecord.Name = name.AsString();
        MoveOn();
        return;
    }
    list.setUpdatesEnabled(false);
    for (m_query.First(); !m_query.Eof(); m_query.Next())
        list.AddItem(code.AsString(), {name.AsString()});
    list.setUpdatesEnabled(true);
    ShowList();
}

void TLookupWindow::TakeManufacturer(const QString &code, const QString &name)
{
    TManufacturerInfo &info = *m_manufacturerInfo;
    info.Code = code;
    info.Name = name;
    info.Mnemonic = m_query.FieldByName(QStringLiteral("f_zjf")).AsString();
    info.ControlFlag = int(m_query.FieldByName(QStringLiteral("f_kzbz")).AsInteger());
    info.Contact = m_query.FieldByName(QStringLiteral("f_lxr")).AsString();
    info.Phone = m_query.FieldByName(QStringLiteral("f_dh")).AsString();
    info.Fax = m_query.FieldByName(QStringLiteral("f_cz")).AsString();
    info.TaxNo = m_query.FieldByName(QStringLiteral("f_sh")).AsString();
}

void TLookupWindow::ShowList()
{
    m_list->show();
    m_list->raise();
    m_list->setFocus();
    m_list->SetItemIndex(0);
}

void TLookupWindow::MoveOn()
{
    if (m_nextControl)
        m_nextControl->setFocus();
    EndLookup();
}

void TLookupWindow::EndLookup()
{
    if (m_list)
        m_list->hide();
    m_level = 0;
    m_accept = false;
}

void TLookupWindow::ListKeyDown(int &key)
{
    m_accept = true;
    QCoreApplication::processEvents();
    if (!m_list)
        return;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        key = 0;
        Accept();
    } else if (key == Qt::Key_Escape) {
        key = 0;
        EndLookup();
        if (m_sourceControl)
            m_sourceControl->setFocus();
    }
}

void TLookupWindow::ListDblClick()
{
    m_accept = true;
    QCoreApplication::processEvents();
    if (m_list)
        Accept();
}

void TLookupWindow::ListExit()
{
    if (!m_reporting)
        EndLookup();
}

void TLookupWindow::Accept()
{
    if (TListItem *selected = m_list->Selected()) {
        AcceptSelection(*selected);
        if (m_accept && m_nextControl)
            m_nextControl->setFocus();
    } else if (m_sourceControl) {
        m_sourceControl->setFocus();
    }
    if (m_accept)
        EndLookup();
}

void TLookupWindow::AcceptSelection(TListItem &item)
{
    // The row goes when the list is refilled; keep what it showed.
    const QString code = item.Caption();
    const QString name = item.SubItem(0);
    if (m_kind != TKind::Manufacturer) {
        *m_flatRecord.Code = code;
        *m_flatRecord.Name = name;
        return;
    }
    // A partner that cannot be read back is not taken: the list stays open for another choice.
    if (!RunQuery(LookupSql::Manufacturer(code)) || m_query.IsEmpty()) {
        m_accept = false;
        return;
    }
    if (m_query.FieldByName(QStringLiteral("f_mj")).AsInteger() == 1) {
        TakeManufacturer(code, name);
        return;
    }
    m_level = int(m_query.FieldByName(QStringLiteral("f_jb")).AsInteger()) + 1;
    m_accept = false;
    m_searchText = code;
    ListManufacturers(false);
}

bool TLookupWindow::RunQuery(const QString &sql)
{
    QVariant data;
    if (!m_host.QuerySql(sql, data)) {
        ShowHostFailure(data);
        return false;
    }
    if (const Result<void> loaded = m_query.SetData(data.toByteArray()); !loaded) {
        ShowHostFailure(QStringList{loaded.Error()});
        return false;
    }
    m_query.First();
    return true;
}

void TLookupWindow::ShowHostFailure(const QVariant &messages)
{
    m_reporting = true;
    const auto done = qScopeGuard([this] { m_reporting = false; });
    QString text;
    ShowHostError(m_owner, messages, QString(), text);
}

void TLookupWindow::ShowError(const QString &text) const
{
    Win::MessageBox(m_owner, text, QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
}
