#include "TColorIni.h"
#include "UiShot.h"

#include "module/common/ColorScheme.h"
#include "platform/data/EPlatformError.h"
#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TFlatDateTimePicker.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TFlatMemo.h"
#include "platform/widgets/TFlatPanel.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TListView.h"
#include "platform/widgets/TPanel.h"
#include "platform/widgets/TToolBar.h"
#include "support/Clerk.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

// A panel class of a form's own: descendants of a listed class are not recoloured.
class TTitlePanel : public TPanel {
    Q_OBJECT
public:
    using TPanel::TPanel;
};

namespace {

constexpr TColor D = 14614267;      // the design background
constexpr TColor Beige = 14084846;
constexpr TColor DefaultB = 0xECF0F0;
constexpr TColor DefaultL = 0xBC7143;

// A form designed in the module's palette, with one control of each kind that matters.
class TDesignedForm : public TForm {
public:
    TDesignedForm()
    {
        SetColor(this, D);
        Main = Add<TPanel>("PanelMain", D);
        Main->SetColor(clBtnFace);
        Add<TPanel>("pnlDesign", D);
        Add<TPanel>("pnlGreen", clGreen);
        Add<TPanel>("pnlFace", clBtnFace);
        Add<TPanel>("pnlWhite", clWhite);
        Add<TPanel>("pnlInfo", clInfoBk);
        Add<TTitlePanel>("pnlOwnClass", D);
        FaceLabel = new TLabel(QStringLiteral("客户编码："), Named<TPanel>(this, "pnlFace"));
        FaceLabel->setObjectName(QStringLiteral("lblFace"));
        FaceLabel->SetFontColor(clGreen);
        Edit = new TFlatEdit(Main);
        Edit->SetColorFlat(D);
        Edit->SetColorFocused(D);
        Edit->SetColorBorder(clGreen);
        Button = new TFlatButton(QStringLiteral("确认(&O)"), Main);
        Button->SetColorBorder(clGreen);
        Grid = new TAdvColumnGrid(Main);
        Grid->SetColCount(3);
        Grid->SetFixedColor(clGreen);
    }
    template <typename T>
    T *Add(const char *name, TColor color)
    {
        auto *panel = new T(this);
        panel->setObjectName(QString::fromLatin1(name));
        panel->SetColor(color);
        return panel;
    }
    TColor PanelColor(const char *name) const { return ColorOf(Named<QWidget>(this, QString::fromLatin1(name))); }

    TPanel *Main;
    TLabel *FaceLabel;
    TFlatEdit *Edit;
    TFlatButton *Button;
    TAdvColumnGrid *Grid;
};

class ColorScheme : public testing::Test {
protected:
    TColorIni Ini;
    TDesignedForm Form;
};

TEST_F(ColorScheme, NoConfigurationRecoloursWithTheDefaults)
{
    ApplyColorScheme(&Form);
    EXPECT_EQ(ColorOf(&Form), DefaultB);
    EXPECT_EQ(Form.PanelColor("PanelMain"), DefaultB);
    EXPECT_EQ(Form.PanelColor("pnlDesign"), DefaultB);
    EXPECT_EQ(Form.PanelColor("pnlGreen"), DefaultL);
    EXPECT_EQ(Form.Edit->ColorBorder(), DefaultL);
    EXPECT_EQ(Form.Grid->FloatingFooterColor(), 0x00FFFFu);
}

TEST_F(ColorScheme, StyleZeroLeavesTheFormAsDesigned)
{
    Ini.Set(QStringLiteral("colorstyle"), QStringLiteral("0"));
    Ini.Set(QStringLiteral("backcolor"), QStringLiteral("255"));
    ApplyColorScheme(&Form);
    EXPECT_EQ(ColorOf(&Form), D);
    EXPECT_EQ(Form.PanelColor("PanelMain"), clBtnFace);
    EXPECT_EQ(Form.PanelColor("pnlGreen"), clGreen);
    EXPECT_EQ(Form.Edit->ColorFlat(), D);
    EXPECT_EQ(Form.Button->Color(), TFlatButton().Color());
    EXPECT_EQ(Form.Grid->FixedColor(), clGreen);
}

TEST_F(ColorScheme, PanelsFollowTheirDesignedColourAndPanelMainAlwaysTakesTheBackground)
{
    Ini.Set(QStringLiteral("backcolor"), QStringLiteral("255"));
    Ini.Set(QStringLiteral("linecolor"), QStringLiteral("65280"));
    ApplyColorScheme(&Form);
    EXPECT_EQ(Form.PanelColor("PanelMain"), 255u);
    EXPECT_EQ(Form.PanelColor("pnlDesign"), 255u);
    EXPECT_EQ(Form.PanelColor("pnlInfo"), 255u);
    EXPECT_EQ(Form.PanelColor("pnlGreen"), 65280u);
    EXPECT_EQ(Form.PanelColor("pnlFace"), clBtnFace);
    EXPECT_EQ(Form.PanelColor("pnlWhite"), 0xECF0F0u) << "an odd colour takes the plain background, not B";
    EXPECT_EQ(Form.PanelColor("pnlOwnClass"), D) << "a descendant class is no TPanel to the scheme";
}

TEST_F(ColorScheme, PanelMainIsFoundInAnyLetterCase)
{
    Form.Main->setObjectName(QStringLiteral("panelmain"));
    Ini.Set(QStringLiteral("backcolor"), QStringLiteral("123"));
    ApplyColorScheme(&Form);
    EXPECT_EQ(Form.PanelColor("panelmain"), 123u);
}

TEST_F(ColorScheme, LabelOnButtonFaceKeepsItsBackgroundButGreenTextTakesTheTitleColour)
{
    Ini.Set(QStringLiteral("titlecolor"), QStringLiteral("4210752"));
    ApplyColorScheme(&Form);
    EXPECT_EQ(Form.FaceLabel->Color(), clBtnFace);
    EXPECT_EQ(Form.FaceLabel->FontColor(), 4210752u);
}

TEST_F(ColorScheme, FlatControlsTakeLineAndBackgroundByTheirDesign)
{
    auto *plainEdit = new TFlatEdit(&Form);
    plainEdit->SetColorFlat(clWhite);
    plainEdit->SetColorFocused(clWhite);
    plainEdit->SetColorBorder(clInfoBk);
    auto *flatPanel = new TFlatPanel(&Form);
    flatPanel->SetColor(clBtnFace);
    auto *greenPanel = new TFlatPanel(&Form);
    greenPanel->SetColor(clGreen);
    greenPanel->SetColorHighLight(clGreen);
    greenPanel->SetColorShadow(clBlack);
    auto *box = new TFlatComboBox(&Form);
    box->SetColor(D);
    box->SetColorBorder(clGreen);
    auto *picker = new TFlatDateTimePicker(&Form);
    picker->SetColor(D);
    picker->SetColorBorder(clGreen);
    auto *memo = new TFlatMemo(&Form);
    auto *toolBar = new TToolBar(&Form);
    toolBar->SetColor(D);
    auto *list = new TListView(&Form);
    ApplyColorScheme(&Form);

    EXPECT_EQ(Form.Edit->ColorFlat(), DefaultB);
    EXPECT_EQ(Form.Edit->ColorFocused(), DefaultB);
    EXPECT_EQ(Form.Edit->ColorBorder(), DefaultL);
    EXPECT_EQ(plainEdit->ColorFlat(), clWhite);
    EXPECT_EQ(plainEdit->ColorBorder(), DefaultB);
    EXPECT_EQ(flatPanel->Color(), Beige);
    EXPECT_EQ(greenPanel->Color(), DefaultL);
    EXPECT_EQ(greenPanel->ColorHighLight(), DefaultL);
    EXPECT_EQ(greenPanel->ColorShadow(), clBlack);
    EXPECT_EQ(box->Color(), DefaultB);
    EXPECT_EQ(box->ColorBorder(), DefaultL);
    EXPECT_EQ(picker->Color(), clWhite) << "a green-bordered date box turns white";
    EXPECT_EQ(picker->ColorBorder(), DefaultL);
    EXPECT_EQ(picker->TitleBackColor(), DefaultL);
    EXPECT_EQ(memo->ColorFlat(), DefaultB);
    EXPECT_EQ(memo->ColorBorder(), DefaultL);
    EXPECT_EQ(toolBar->Color(), clBtnFace);
    EXPECT_EQ(list->Color(), DefaultB);
    EXPECT_EQ(Form.Button->Color(), DefaultB);
    EXPECT_EQ(Form.Button->ColorBorder(), DefaultL);
    EXPECT_EQ(Form.Button->ColorFocused(), clWhite);
    EXPECT_EQ(Form.Button->ColorHighLight(), DefaultL);
}

TEST_F(ColorScheme, ColumnGridTakesLinesBackgroundAndFooterColour)
{
    Ini.Set(QStringLiteral("menucolor"), QStringLiteral("8421504"));
    ApplyColorScheme(&Form);
    EXPECT_EQ(Form.Grid->GridLineColor(), DefaultL);
    EXPECT_EQ(Form.Grid->BigCellColor(), DefaultL);
    EXPECT_EQ(Form.Grid->Color(), DefaultB);
    EXPECT_EQ(Form.Grid->ColumnColor(2), DefaultB);
    EXPECT_EQ(Form.Grid->FixedColor(), DefaultL) << "a green header takes the line colour";
    EXPECT_EQ(Form.Grid->FloatingFooterColor(), 8421504u);

    TDesignedForm other;
    other.Grid->SetFixedColor(clBtnFace);
    ApplyColorScheme(&other);
    EXPECT_EQ(other.Grid->FixedColor(), DefaultB);
    EXPECT_EQ(other.Grid->FixedFontColor(), clBlack);
}

TEST_F(ColorScheme, ColourTextThatIsNoNumberRaisesBeforeAnythingChanges)
{
    Ini.Set(QStringLiteral("linecolor"), QStringLiteral("blue"));
    EXPECT_THROW(ApplyColorScheme(&Form), EConvertError);
    EXPECT_EQ(ColorOf(&Form), D);
    ApplyColorScheme(nullptr);
}

TEST_F(ColorScheme, RecolouredFormShot)
{
    Form.resize(300, 120);
    Form.Main->setGeometry(0, 0, 300, 120);
    Form.Edit->setGeometry(90, 10, 120, 22);
    Form.Edit->setText(QStringLiteral("预收款单"));
    Form.Button->setGeometry(90, 50, 80, 24);
    Form.Grid->hide();
    ApplyColorScheme(&Form);
    Clerk::ShowActive(&Form);
    SaveShot(Form, QStringLiteral("colorscheme"));
}

} // namespace

#include "ColorSchemeTest.moc"
