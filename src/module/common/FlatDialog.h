#pragma once

#include "platform/widgets/TColor.h"
#include "platform/widgets/TForm.h"

#include <QFlags>
#include <QString>
#include <QStringList>

#include <memory>

// The module's own small dialogs in the flat style of its forms: a message dialog with a choice
// of buttons, a one-line input dialog and a drop-down selection dialog. They take their
// background and border colours from section "ColorOption" of "Halvernpos.ini" and run modally
// through the modal runner. In every one Enter answers OK (1) and Esc Cancel (2), whatever
// buttons it shows.

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn {
    mbYes = 0x001,
    mbNo = 0x002,
    mbOK = 0x004,
    mbCancel = 0x008,
    mbAbort = 0x010,
    mbRetry = 0x020,
    mbIgnore = 0x040,
    mbAll = 0x080,
    mbNoToAll = 0x100,
    mbYesToAll = 0x200,
    mbHelp = 0x400,
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgDlgButtons)

// The message dialog's window. It keeps the help context and file it is given; this module shows
// no help, so the Help button only keeps the dialog open. Closing it by its close box answers
// Cancel.
class TMessageForm : public TDialogForm {
    Q_OBJECT
public:
    explicit TMessageForm(QWidget *owner = nullptr);

    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context) { m_helpContext = context; }
    QString HelpFile() const { return m_helpFile; }
    void SetHelpFile(const QString &file) { m_helpFile = file; }

protected:
    void FormKeyDown(int &key, Qt::KeyboardModifiers shift) override;

private:
    int m_helpContext = 0;
    QString m_helpFile;
};

// The colours all three dialogs share for the module's lifetime: the background, and the border
// of their buttons, edit and box. Every message dialog takes the configured background; the input
// and selection dialogs take both only when their key says so.
TColor DialogBackColor();
TColor DialogLineColor();

// The dialog laid out for text, type and buttons, centred on the screen and not shown.
std::unique_ptr<TMessageForm> CreateFlatMessageDialog(const QString &message, TMsgDlgType type,
                                                      TMsgDlgButtons buttons);
// Shows the dialog and returns the result of the button or key that closed it (Yes 6, No 7,
// OK 1, Cancel 2, Abort 3, Retry 4, Ignore 5, All 8, No to all 9, Yes to all 10).
int FlatMessageDlg(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
// As FlatMessageDlg, placed at left/top where these are not negative.
int FlatMessageDlgPos(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext, int left,
                      int top, const QString &helpFile = QString());
// True when confirmed; value then holds the edited text. passwordChar 0 shows the text.
bool FlatInputQuery(const QString &caption, const QString &prompt, QString &value, QChar passwordChar = QChar());
// value := defaultText, then as FlatInputQuery: cancelled, value stays the default.
bool FlatInputBox(const QString &caption, const QString &prompt, const QString &defaultText, QString &value);
// A fixed list (style 0) or an editable box (style 1) of items, item 0 selected. Confirmed, value
// := the chosen item, or in the editable box the text typed there; otherwise value is unchanged.
void FlatSelectQuery(const QString &caption, const QString &prompt, const QStringList &items, QString &value,
                     int style);
