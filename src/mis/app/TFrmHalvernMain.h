#pragma once

#include "TFormKind.h"

#include "platform/data/Result.h"
#include "platform/win/IRudoDisp.h"
#include "platform/win/ZorvaHostContract.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QFrame;

// The host application's window: the operator, one button per form of the plug-in and the host
// panel in which the chosen form lives. The panel is also the host control the form tells when
// it closes; the window itself is the application window that hears of detail queries.
// One form at a time: opening another closes the one shown first.
class TFrmHalvernMain : public QMainWindow {
    Q_OBJECT
public:
    // The plug-in's entry point of a name (TZorvaLibrary::Entry); null for none.
    using TEntries = std::function<TZorvaFormEntry(const QString &entryName)>;

    TFrmHalvernMain(TEntries entries, IRudoDisp *service, const QString &operatorCode,
                    const QString &operatorName, QWidget *parent = nullptr);

    // Fails when the form shown now refuses to close or the entry point created no form.
    Result<QWidget *> OpenForm(const TFormKind &kind);
    QWidget *EmbeddedForm() const { return m_form; }
    QFrame *HostPanel() const { return m_panel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void OpenFormClicked(const TFormKind &kind);
    qintptr ApplicationMessage(unsigned message);
    qintptr HostControlMessage(unsigned message);
    bool CloseEmbeddedForm();

    TEntries m_entries;
    TRudoDispPtr m_service;
    QByteArray m_operator;
    QFrame *m_panel = nullptr;
    QPointer<QWidget> m_form;
};
