#include "FlatDialog.h"

#include "module/common/Global.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TKeyHooks.h"
#include "platform/widgets/TLabel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>

#include <array>
#include <functional>

namespace {

TColor &BackColor()
{
    static TColor color = 14614267;
    return color;
}

TColor &LineColor()
{
    static TColor color = clGreen;
    return color;
}

QString ReadColorOption(const QString &key, const QString &defaultText)
{
    QString value;
    ReadIni(QStringLiteral("Halvernpos.ini"), QStringLiteral("ColorOption"), key, value, QString(), defaultText);
    return value;
}

TColor ReadColor(const QString &key, const QString &defaultText)
{
    return ColorFromInteger(StrToInt64(ReadColorOption(key, defaultText)));
}

// The input and selection dialogs follow the configured colours only when switchKey says so.
void TakeConfiguredColors(const QString &switchKey)
{
    if (ReadColorOption(switchKey, QStringLiteral("0")) == QLatin1String("0"))
        return;
    LineColor() = ReadColor(QStringLiteral("linecolor"), QStringLiteral("12349763"));
    BackColor() = ReadColor(QStringLiteral("backcolor"), QStringLiteral("15528176"));
}

// Integer multiply-divide with rounding, as dialog units are scaled.
int MulDiv(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    return int((product + (product >= 0 ? denominator / 2 : -denominator / 2)) / denominator);
}

// The dialog units of a font: the average width of the 52 Latin letters and the text height.
QSize DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QSize(metrics.horizontalAdvance(letters) / 52, metrics.height());
}

QRect ScreenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

void CentreOnScreen(QWidget *window)
{
    const QRect screen = ScreenArea();
    window->move(screen.left() + (screen.width() - window->width()) / 2,
                 screen.top() + (screen.height() - window->height()) / 2);
}

QFont SongTi9()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(9);
    return font;
}

struct TButtonKind {
    TMsgDlgBtn Button;
    const char *Name;
    const char *Caption;
    int Result; // 0: the button does not close the dialog
};

const std::array<TButtonKind, 11> &ButtonKinds()
{
    static const std::array<TButtonKind, 11> kinds = {{
        {mbYes, "Yes", "是(&Y)", 6},
        {mbNo, "No", "不(&N)", 7},
        {mbOK, "OK", "确认(&O)", 1},
        {mbCancel, "Cancel", "放弃(&C)", 2},
        {mbAbort, "Abort", "&Abort", 3},
        {mbRetry, "Retry", "&Retry", 4},
        {mbIgnore, "Ignore", "&Ignore", 5},
        {mbAll, "All", "&All", 8},
        {mbNoToAll, "NoToAll", "N&o to All", 9},
        {mbYesToAll, "YesToAll", "Yes to &All", 10},
        {mbHelp, "Help", "&Help", 0},
    }};
    return kinds;
}

// Caption widths are measured once per button kind, with the font of the first dialog that
// shows that kind.
int CaptionWidth(std::size_t kind, const QFontMetrics &metrics)
{
    static std::array<int, 11> widths{};
    if (widths[kind] == 0) {
        QString caption = QString::fromUtf8(ButtonKinds()[kind].Caption);
        caption.remove(QLatin1Char('&'));
        widths[kind] = metrics.boundingRect(QRect(), Qt::AlignLeft, caption).width();
    }
    return widths[kind];
}

struct TTypeLook {
    QString Caption;
    QStyle::StandardPixmap Icon;
    bool HasIcon;
};

TTypeLook LookOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return {QStringLiteral("警告"), QStyle::SP_MessageBoxWarning, true};
    case mtError:
        return {QStringLiteral("错误"), QStyle::SP_MessageBoxCritical, true};
    case mtInformation:
        return {QStringLiteral("信息"), QStyle::SP_MessageBoxInformation, true};
    case mtConfirmation:
        return {QStringLiteral("询问"), QStyle::SP_MessageBoxQuestion, true};
    case mtCustom:
        break;
    }
    return {QGuiApplication::applicationDisplayName(), QStyle::SP_MessageBoxInformation, false};
}

// Places child at rect, mirrored within the client width for right-to-left reading.
void Place(QWidget *child, const QRect &rect, int clientWidth)
{
    if (child->parentWidget()->isRightToLeft())
        child->setGeometry(clientWidth - rect.right() - 1, rect.top(), rect.width(), rect.height());
    else
        child->setGeometry(rect);
}

TFlatButton *AddButton(QWidget *form, const QString &name, const QString &caption, int result, const QRect &bounds)
{
    auto *button = new TFlatButton(caption, form);
    button->setObjectName(name);
    button->SetColorBorder(DialogLineColor());
    button->SetModalResult(result);
    button->setGeometry(bounds);
    return button;
}

// Enter in control confirms its dialog, Esc cancels it.
void CloseOnEnterAndEsc(QWidget *control, TDialogForm *dialog)
{
    TKeyHooks::Of(control)->SetOnKeyDown([dialog](QWidget *, int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            key = 0;
            dialog->SetModalResult(TDialogForm::mrOk);
        } else if (key == Qt::Key_Escape) {
            key = 0;
            dialog->SetModalResult(TDialogForm::mrCancel);
        }
    });
}

// The window of the input and selection dialogs. Shown, its editor takes the focus, an edit
// with the caret after the last character and nothing selected, so typing adds to the text.
class TQueryForm : public TDialogForm {
public:
    void SetEditor(QWidget *editor) { m_editor = editor; }
    void setVisible(bool visible) override
    {
        TDialogForm::setVisible(visible);
        if (!visible || !m_editor)
            return;
        m_editor->setFocus();
        if (auto *edit = qobject_cast<QLineEdit *>(m_editor))
            edit->setCursorPosition(int(edit->text().size()));
    }

private:
    QWidget *m_editor = nullptr;
};

// The frame shared by the input and selection dialogs: caption, prompt, the editor that
// createEditor makes, OK and Cancel.
std::unique_ptr<TDialogForm> CreateQueryForm(const QString &caption, const QString &prompt,
                                             const std::function<QWidget *(QWidget *)> &createEditor, bool songTiButtons)
{
    auto form = std::make_unique<TQueryForm>();
    form->setWindowTitle(caption);
    form->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetColor(form.get(), DialogBackColor());
    const QSize units = DialogUnits(form->font());
    const int cx = units.width();
    const int cy = units.height();
    form->setFixedSize(MulDiv(180, cx, 4), MulDiv(63, cy, 8));
    CentreOnScreen(form.get());

    auto *label = new TLabel(prompt, form.get());
    label->setObjectName(QStringLiteral("Prompt"));
    label->setFont(SongTi9());
    label->move(MulDiv(8, cx, 4), MulDiv(8, cy, 8));
    label->adjustSize();

    QWidget *editor = createEditor(form.get());
    editor->setFont(SongTi9());
    editor->setGeometry(label->x(), MulDiv(19, cy, 8), MulDiv(164, cx, 4), editor->sizeHint().height());
    CloseOnEnterAndEsc(editor, form.get());

    const int top = MulDiv(41, cy, 8);
    const int width = MulDiv(50, cx, 4);
    const int height = MulDiv(14, cy, 8);
    TFlatButton *ok = AddButton(form.get(), QStringLiteral("btnOK"), QStringLiteral("确认(&O)"), TDialogForm::mrOk,
                                QRect(MulDiv(38, cx, 4), top, width, height));
    TFlatButton *cancel = AddButton(form.get(), QStringLiteral("btnCancel"), QStringLiteral("放弃(&C)"),
                                    TDialogForm::mrCancel, QRect(MulDiv(92, cx, 4), top, width, height));
    if (songTiButtons) {
        ok->setFont(SongTi9());
        cancel->setFont(SongTi9());
    }
    form->SetEditor(editor);
    return form;
}

} // namespace

TMessageForm::TMessageForm(QWidget *owner) : TDialogForm(owner)
{
    SetKeyPreview(true);
}

void TMessageForm::FormKeyDown(int &key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        key = 0;
        done(mrOk);
    } else if (key == Qt::Key_Escape) {
        key = 0;
        done(mrCancel);
    }
}

TColor DialogBackColor()
{
    return BackColor();
}

TColor DialogLineColor()
{
    return LineColor();
}

std::unique_ptr<TMessageForm> CreateFlatMessageDialog(const QString &message, TMsgDlgType type,
                                                      TMsgDlgButtons buttons)
{
    auto form = std::make_unique<TMessageForm>();
    form->setFont(QApplication::font("QMessageBox"));
    BackColor() = ReadColor(QStringLiteral("backcolor"), QStringLiteral("15528176"));
    SetColor(form.get(), DialogBackColor());
    form->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    form->setLayoutDirection(QGuiApplication::layoutDirection());

    const QFontMetrics metrics(form->font());
    const QSize units = DialogUnits(form->font());
    const int cx = units.width();
    const int cy = units.height();
    const int hm = MulDiv(8, cx, 4);
    const int vm = MulDiv(8, cy, 8);
    const int hs = MulDiv(10, cx, 4);
    const int vs = MulDiv(10, cy, 8);
    const int bs = MulDiv(4, cx, 4);
    const int bh = MulDiv(14, cy, 8);
    int bw = MulDiv(50, cx, 4);
    int count = 0;
    for (std::size_t kind = 0; kind < ButtonKinds().size(); ++kind) {
        if (buttons.testFlag(ButtonKinds()[kind].Button)) {
            bw = std::max(bw, CaptionWidth(kind, metrics) + 8);
            ++count;
        }
    }

    const QRect text = metrics.boundingRect(QRect(0, 0, ScreenArea().width() / 2, 0),
                                            Qt::AlignLeft | Qt::TextWordWrap | Qt::TextExpandTabs, message);
    const int tw = text.width();
    const int th = text.height();
    const TTypeLook look = LookOf(type);
    const int iw = look.HasIcon ? tw + hs + 32 : tw;
    const int ih = look.HasIcon ? std::max(th, 32) : th;
    const int gw = count == 0 ? 0 : count * bw + (count - 1) * bs;
    const int clientWidth = std::max(iw, gw) + 2 * hm;
    form->setFixedSize(clientWidth, ih + bh + vs + 2 * vm);
    CentreOnScreen(form.get());
    form->setWindowTitle(look.Caption);

    if (look.HasIcon) {
        auto *image = new TImage(form.get());
        image->setObjectName(QStringLiteral("Image"));
        image->SetPicture(QApplication::style()->standardIcon(look.Icon).pixmap(32, 32));
        Place(image, QRect(hm, vm, 32, 32), clientWidth);
    }
    auto *label = new TLabel(message, form.get());
    label->setObjectName(QStringLiteral("Message"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(label, QRect(iw - tw + hm, vm, tw, th), clientWidth);

    int x = (clientWidth - gw) / 2;
    for (const TButtonKind &kind : ButtonKinds()) {
        if (!buttons.testFlag(kind.Button))
            continue;
        TFlatButton *button = AddButton(form.get(), QString::fromLatin1(kind.Name), QString::fromUtf8(kind.Caption),
                                        kind.Result, QRect(0, 0, bw, bh));
        Place(button, QRect(x, ih + vm + vs, bw, bh), clientWidth);
        x += bw + bs;
    }
    return form;
}

int FlatMessageDlg(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    return FlatMessageDlgPos(message, type, buttons, helpContext, -1, -1);
}

int FlatMessageDlgPos(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext, int left,
                      int top, const QString &helpFile)
{
    std::unique_ptr<TMessageForm> form = CreateFlatMessageDialog(message, type, buttons);
    form->SetHelpContext(helpContext);
    form->SetHelpFile(helpFile);
    if (left >= 0)
        form->move(left, form->y());
    if (top >= 0)
        form->move(form->x(), top);
    return form->ShowModal();
}

bool FlatInputQuery(const QString &caption, const QString &prompt, QString &value, QChar passwordChar)
{
    TakeConfiguredColors(QStringLiteral("colorstyle"));
    TFlatEdit *edit = nullptr;
    std::unique_ptr<TDialogForm> form = CreateQueryForm(
        caption, prompt,
        [&](QWidget *parent) {
            edit = new TFlatEdit(parent);
            edit->setObjectName(QStringLiteral("Edit"));
            edit->SetColorBorder(DialogLineColor());
            edit->setMaxLength(255);
            edit->SetPasswordChar(passwordChar);
            edit->setText(value);
            edit->selectAll();
            return edit;
        },
        false);
    if (form->ShowModal() != TDialogForm::mrOk)
        return false;
    value = edit->text();
    return true;
}

bool FlatInputBox(const QString &caption, const QString &prompt, const QString &defaultText, QString &value)
{
    value = defaultText;
    return FlatInputQuery(caption, prompt, value);
}

void FlatSelectQuery(const QString &caption, const QString &prompt, const QStringList &items, QString &value,
                     int style)
{
    TakeConfiguredColors(QStringLiteral("style"));
    TFlatComboBox *box = nullptr;
    std::unique_ptr<TDialogForm> form = CreateQueryForm(
        caption, prompt,
        [&](QWidget *parent) {
            box = new TFlatComboBox(parent);
            box->setObjectName(QStringLiteral("ComboBox"));
            box->SetColorBorder(DialogLineColor());
            box->SetStyle(style == 1 ? TFlatComboBox::csDropDown : TFlatComboBox::csDropDownList);
            box->SetItems(items);
            box->SetItemIndex(items.isEmpty() ? -1 : 0);
            return box;
        },
        true);
    if (form->ShowModal() != TDialogForm::mrOk)
        return;
    // A typed text that is no item is the answer itself; a list without items answers "".
    value = box->currentText();
}
