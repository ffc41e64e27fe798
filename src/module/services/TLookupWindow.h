#pragma once

#include "TLookupInfo.h"

#include "module/host/THostDataService.h"
#include "platform/data/TDataSet.h"
#include "platform/widgets/TColor.h"
#include "platform/win/WindowHandles.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QtGlobal>

class QWidget;
class TListItem;
class TListView;

// The drop-down list under an edit or grid cell through which the clerk picks a trading partner
// (browsing the partner tree level by level), a payment method or a receivable item, and the
// state of the one lookup open on it. A lookup call returns at once: a single selectable match
// is taken without showing anything, several are listed and resolved by the list's Enter,
// double-click, Esc and losing the focus. While the list is visible a lookup is open.
// The list is created on the first lookup and owned here, whichever panel hosts it. Queries
// load into the service object's query dataset; a failed one is shown as the host's error.
class TLookupWindow {
public:
    TLookupWindow(const THostDataService &host, TDataSet &query, const QString &dbType, Win::HWND owner);
    ~TLookupWindow();
    TLookupWindow(const TLookupWindow &) = delete;
    TLookupWindow &operator=(const TLookupWindow &) = delete;

    // mode 0 to 11: mode div 3 the record types (all, suppliers, customers, producers), mode
    // mod 3 the search (code prefix by levels, name contains, mnemonic contains). top and left
    // are in parent's client area; a width or height of 0 keeps the lookup's own.
    void LookupManufacturer(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                            const QString &searchText, TManufacturerInfo &info, TColor color, int width, int height,
                            int top, int left);
    // mode 1 searches by name, any other mode by code, both as a prefix.
    void LookupPayMode(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                       const QString &searchText, TpayModeInfo &info, TColor color, int width, int height, int top,
                       int left);
    void LookupPayInOut(quint8 mode, QWidget *parent, QWidget *nextControl, QWidget *sourceControl,
                        const QString &searchText, TPayInOutInfo &info, TColor color, int width, int height, int top,
                        int left);

    bool IsLookupOpen() const;
    // For a grid cell that waits for the clerk's choice: processes the application's events
    // until the list is hidden again.
    void WaitWhileLookupOpen() const;
    // Null until the first lookup.
    TListView *List() const;

private:
    enum class TKind { Manufacturer, PayMode, PayInOut };
    struct TPlacement {
        QWidget *Parent;
        TColor Color;
        int Width;
        int Height;
        int Top;
        int Left;
    };
    // Where a flat lookup writes the row taken.
    struct TFlatRecord {
        QString *Code;
        QString *Name;
    };

    // The arguments of a flat lookup that tell payment methods and receivable items apart.
    struct TFlatLookup {
        QString CodeCaption;
        QString NameCaption;
        QString Sql;
        TFlatRecord Record;
    };

    void StartLookup(TKind kind, QWidget *nextControl, QWidget *sourceControl, const QString &searchText);
    // Puts the empty list, hidden, on the panel in the lookup's font and colour.
    TListView &PrepareList(const TPlacement &placement);
    void Position(const TPlacement &placement, int listWidth);
    int CharWidth() const;
    // The rows of the search or of the level being browsed; a single leaf is taken at once.
    void ListManufacturers(bool newLookup);
    void LookupFlat(const TFlatLookup &lookup, const TPlacement &placement);
    // Fills the caller's record: code and name as given, the rest from the query's row.
    void TakeManufacturer(const QString &code, const QString &name);
    void ShowList();
    // A row was taken without the list: the focus moves on and the lookup is over.
    void MoveOn();
    void EndLookup();

    void ListKeyDown(int &key);
    void ListDblClick();
    void ListExit();
    void Accept();
    void AcceptSelection(TListItem &item);
    // Runs sql into the query dataset; on failure shows the host's messages and gives false.
    bool RunQuery(const QString &sql);
    void ShowHostFailure(const QVariant &messages);
    void ShowError(const QString &text) const;

    const THostDataService &m_host;
    TDataSet &m_query;
    const QString &m_dbType;
    Win::HWND m_owner;
    QPointer<TListView> m_list;

    TKind m_kind = TKind::Manufacturer;
    int m_level = 0;
    bool m_accept = false;
    bool m_reporting = false; // an error box is up: the list losing the focus to it is no exit
    QPointer<QWidget> m_sourceControl;
    QPointer<QWidget> m_nextControl;
    QString m_filter;
    QString m_searchText;
    quint8 m_manufacturerMode = 0;
    TManufacturerInfo *m_manufacturerInfo = nullptr;
    TFlatRecord m_flatRecord{nullptr, nullptr};
};
