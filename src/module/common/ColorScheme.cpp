#include "ColorScheme.h"

#include "module/common/Global.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TFlatDateTimePicker.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TFlatMemo.h"
#include "platform/widgets/TFlatPanel.h"
#include "platform/widgets/TLabel.h"

#include <QHash>
#include <QWidget>

#include <functional>

namespace {

constexpr TColor DesignBack = 14614267; // 0xDEFEFB, the background every form is designed in
constexpr TColor Beige = 14084846;      // 0xD6EAEE
constexpr TColor PlainBack = 15528176;  // 0xECF0F0

struct TScheme {
    TColor Back = 0;  // B
    TColor Line = 0;  // L
    TColor Title = 0; // T
    TColor Menu = 0;  // M
};

qint64 ReadColorOption(const QString &key, const QString &defaultText)
{
    QString value;
    ReadIni(QStringLiteral("Halvernpos.ini"), QStringLiteral("ColorOption"), key, value, QString(), defaultText);
    return StrToInt64(value);
}

// Colour properties of controls whose classes the kit does not define (the data grids) are
// reached by name.
TColor PropertyColor(const QWidget *control, const char *name)
{
    return control->property(name).value<TColor>();
}

void SetPropertyColor(QWidget *control, const char *name, TColor color)
{
    control->setProperty(name, QVariant::fromValue(color));
}

void SetColumnColors(QWidget *grid, const char *countProperty, const char *setter, TColor color)
{
    const int count = grid->property(countProperty).toInt();
    for (int column = 0; column < count; ++column)
        QMetaObject::invokeMethod(grid, setter, Q_ARG(int, column), Q_ARG(quint32, color));
}

void RecolorAdvColumnGrid(QWidget *grid, const TScheme &scheme)
{
    SetPropertyColor(grid, "BigCellColor", scheme.Line);
    SetPropertyColor(grid, "GridLineColor", scheme.Line);
    SetPropertyColor(grid, "Color", scheme.Back);
    SetColumnColors(grid, "ColCount", "SetColumnColor", scheme.Back);
    if (PropertyColor(grid, "FixedColor") != clGreen) {
        SetPropertyColor(grid, "FixedColor", scheme.Back);
        SetPropertyColor(grid, "FixedFontColor", clBlack);
    } else {
        SetPropertyColor(grid, "FixedColor", scheme.Line);
    }
    SetPropertyColor(grid, "FloatingFooterColor", scheme.Menu);
    grid->update();
}

void RecolorAdvDBGridEh(QWidget *grid, const TScheme &scheme)
{
    SetPropertyColor(grid, "Color", scheme.Back);
    SetPropertyColor(grid, "FixedColor", scheme.Line);
    SetColumnColors(grid, "ColumnCount", "SetColumnColor", scheme.Back);
    SetColumnColors(grid, "ColumnCount", "SetColumnTitleColor", scheme.Line);
}

void RecolorDBGridEh(QWidget *grid, const TScheme &scheme)
{
    SetPropertyColor(grid, "Color", scheme.Back);
    SetColumnColors(grid, "ColumnCount", "SetColumnColor", scheme.Back);
}

bool IsPanelMain(const QWidget *panel)
{
    return panel->objectName().toUpper() == QLatin1String("PANELMAIN");
}

void RecolorPanel(QWidget *panel, const TScheme &scheme)
{
    if (IsPanelMain(panel)) {
        SetColor(panel, scheme.Back);
        return;
    }
    const TColor color = ColorOf(panel);
    if (color == clBtnFace)
        return;
    if (color == clGreen)
        SetColor(panel, scheme.Line);
    else if (color == DesignBack || color == clInfoBk)
        SetColor(panel, scheme.Back);
    else
        SetColor(panel, PlainBack);
}

void RecolorFlatPanel(QWidget *control, const TScheme &scheme)
{
    auto *panel = static_cast<TFlatPanel *>(control);
    if (IsPanelMain(panel)) {
        panel->SetColor(scheme.Back);
    } else if (panel->Color() == clBtnFace) {
        panel->SetColor(Beige);
    } else if (panel->Color() != clGreen) {
        panel->SetColor(scheme.Back);
        panel->SetColorHighLight(scheme.Line);
        panel->SetColorShadow(scheme.Line);
    } else {
        panel->SetColor(scheme.Line);
        if (panel->ColorHighLight() == clGreen)
            panel->SetColorHighLight(scheme.Line);
        if (panel->ColorShadow() == clGreen)
            panel->SetColorShadow(scheme.Line);
    }
}

void RecolorFlatEdit(QWidget *control, const TScheme &scheme)
{
    auto *edit = static_cast<TFlatEdit *>(control);
    const TColor flat = edit->ColorFlat();
    const TColor focused = edit->ColorFocused();
    const TColor border = edit->ColorBorder();
    if (flat == DesignBack)
        edit->SetColorFlat(scheme.Back);
    else if (border == clGreen)
        edit->SetColorFlat(clWhite);
    edit->SetColorFocused(focused == DesignBack ? scheme.Back : clWhite);
    edit->SetColorBorder(border == DesignBack || border == clInfoBk ? scheme.Back : scheme.Line);
}

void RecolorFlatComboBox(QWidget *control, const TScheme &scheme)
{
    auto *box = static_cast<TFlatComboBox *>(control);
    box->SetColor(box->Color() == DesignBack ? scheme.Back : clWhite);
    if (box->ColorBorder() == clGreen)
        box->SetColorBorder(scheme.Line);
}

void RecolorLabel(QWidget *control, const TScheme &scheme)
{
    auto *label = static_cast<TLabel *>(control);
    if (label->Color() != clBtnFace && label->Color() != Beige)
        label->SetColor(scheme.Back);
    if (label->FontColor() == clGreen)
        label->SetFontColor(scheme.Title);
}

void RecolorFlatDateTimePicker(QWidget *control, const TScheme &scheme)
{
    auto *picker = static_cast<TFlatDateTimePicker *>(control);
    if (picker->ColorBorder() != clGreen && picker->Color() == DesignBack)
        picker->SetColor(scheme.Back);
    else
        picker->SetColor(clWhite);
    picker->SetColorBorder(picker->ColorBorder() == DesignBack ? scheme.Back : scheme.Line);
    picker->SetTitleBackColor(scheme.Line);
}

void RecolorFlatButton(QWidget *control, const TScheme &scheme)
{
    auto *button = static_cast<TFlatButton *>(control);
    button->SetColor(scheme.Back);
    if (button->ColorBorder() == clGreen) {
        button->SetColorBorder(scheme.Line);
        button->SetColorFocused(clWhite);
        button->SetColorHighLight(scheme.Line);
    }
}

void RecolorFlatMemo(QWidget *control, const TScheme &scheme)
{
    auto *memo = static_cast<TFlatMemo *>(control);
    memo->SetColorFlat(scheme.Back);
    memo->SetColorFocused(scheme.Back);
    memo->SetColorBorder(scheme.Line);
}

using TRecolor = std::function<void(QWidget *, const TScheme &)>;

const QHash<QString, TRecolor> &Rows()
{
    static const TRecolor toBack = [](QWidget *control, const TScheme &scheme) { SetColor(control, scheme.Back); };
    static const QHash<QString, TRecolor> rows = {
        {QStringLiteral("TADVCOLUMNGRID"), RecolorAdvColumnGrid},
        {QStringLiteral("TADVDBGRIDEH"), RecolorAdvDBGridEh},
        {QStringLiteral("TDBGRIDEH"), RecolorDBGridEh},
        {QStringLiteral("TLISTVIEW"), toBack},
        {QStringLiteral("TLISTBOX"), toBack},
        {QStringLiteral("TRICHEDIT"), toBack},
        {QStringLiteral("TSPLITTER"), toBack},
        {QStringLiteral("TTREEVIEW"), toBack},
        {QStringLiteral("TDBTEXT"), toBack},
        {QStringLiteral("TMEMO"), toBack},
        {QStringLiteral("TPANEL"), RecolorPanel},
        {QStringLiteral("TFLATPANEL"), RecolorFlatPanel},
        {QStringLiteral("TMONTHCALENDAR"),
         [](QWidget *control, const TScheme &scheme) { SetPropertyColor(control, "TitleBackColor", scheme.Line); }},
        {QStringLiteral("TEDIT"),
         [](QWidget *control, const TScheme &scheme) {
             if (ColorOf(control) == DesignBack)
                 SetColor(control, scheme.Back);
         }},
        {QStringLiteral("TFLATEDIT"), RecolorFlatEdit},
        {QStringLiteral("TFLATCOMBOBOX"), RecolorFlatComboBox},
        {QStringLiteral("TLABEL"), RecolorLabel},
        {QStringLiteral("TFLATDATETIMEPICKER"), RecolorFlatDateTimePicker},
        {QStringLiteral("TFLATBUTTON"), RecolorFlatButton},
        {QStringLiteral("TTOOLBAR"), [](QWidget *control, const TScheme &) { SetColor(control, clBtnFace); }},
        {QStringLiteral("TFLATMEMO"), RecolorFlatMemo},
    };
    return rows;
}

} // namespace

void ApplyColorScheme(QWidget *form)
{
    if (!form)
        return;
    const qint64 style = ReadColorOption(QStringLiteral("colorstyle"), QStringLiteral("1"));
    TScheme scheme;
    scheme.Back = ColorFromInteger(ReadColorOption(QStringLiteral("backcolor"), QStringLiteral("15528176")));
    scheme.Line = ColorFromInteger(ReadColorOption(QStringLiteral("linecolor"), QStringLiteral("12349763")));
    scheme.Title = ColorFromInteger(ReadColorOption(QStringLiteral("titlecolor"), QStringLiteral("12349763")));
    scheme.Menu = ColorFromInteger(ReadColorOption(QStringLiteral("menucolor"), QStringLiteral("65535")));
    if (style == 0)
        return;
    SetColor(form, scheme.Back);
    const QList<QWidget *> controls = form->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const auto row = Rows().constFind(QString::fromLatin1(control->metaObject()->className()).toUpper());
        if (row != Rows().constEnd())
            (*row)(control, scheme);
    }
    form->update();
}
