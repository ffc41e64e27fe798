#include "mis/app/ShortString.h"
#include "mis/app/THostOptions.h"
#include "mis/app/TKeyChord.h"
#include "mis/app/TScriptCommand.h"

#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace {

Result<THostOptions> Parse(const QString &line)
{
    return THostOptions::Parse(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), THostOptions());
}

TEST(THostOptions, ReadsEveryOption)
{
    const Result<THostOptions> options =
        Parse("--database d.db --operator 0002 --dbtype oracle --month 202402 --module m.so --script s.txt --shop ABC");
    ASSERT_TRUE(options) << options.Error().toStdString();
    EXPECT_EQ(options->DatabasePath, "d.db");
    EXPECT_EQ(options->OperatorCode, "0002");
    EXPECT_EQ(options->DbType, "ORACLE");
    EXPECT_EQ(options->YearMonth, "202402");
    EXPECT_EQ(options->ModulePath, "m.so");
    EXPECT_EQ(options->ScriptPath, "s.txt");
    EXPECT_EQ(options->ShopCode, "ABC");
    EXPECT_FALSE(options->MaintenanceOnly());
}

TEST(THostOptions, TemplateOptionsTakeNameAndFile)
{
    const Result<THostOptions> options = Parse("--export-template 预收款单 out.hrt --import-template 新模板 in.hrt");
    ASSERT_TRUE(options);
    EXPECT_EQ(options->ExportTemplateName, "预收款单");
    EXPECT_EQ(options->ExportTemplateFile, "out.hrt");
    EXPECT_EQ(options->ImportTemplateName, "新模板");
    EXPECT_EQ(options->ImportTemplateFile, "in.hrt");
    EXPECT_TRUE(options->MaintenanceOnly());
}

TEST(THostOptions, RefusesWhatItCannotUse)
{
    const struct {
        const char *Line;
        const char *Message;
    } cases[] = {
        {"--dbtype MYSQL", "--dbtype must be SQLSERVER, DB2 or ORACLE"},
        {"--month 202413", "--month must be yyyymm"},
        {"--month 2024-1", "--month must be yyyymm"},
        {"--shop ABCD", "--shop takes one to three characters"},
        {"--database", "--database needs a value"},
        {"--export-template onlyname", "--export-template needs a template name and a file"},
        {"--verbose", "unknown option --verbose"},
        {"stray", "unknown option stray"},
    };
    for (const auto &c : cases) {
        const Result<THostOptions> options = Parse(QString::fromUtf8(c.Line));
        ASSERT_FALSE(options) << c.Line;
        EXPECT_TRUE(options.Error().startsWith(QString::fromUtf8(c.Message))) << options.Error().toStdString();
    }
}

TEST(THostOptions, HelpListsEveryOption)
{
    const QString help = THostOptions::HelpText();
    for (const char *option : {"--database PATH", "--init-demo", "--operator CODE", "--dbtype", "SQLSERVER", "DB2",
                               "ORACLE", "--month yyyymm", "--module PATH", "--script FILE",
                               "--export-template NAME FILE", "--import-template NAME FILE", "--help"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}

TEST(ShortString, LengthByteThenCodePage936Bytes)
{
    EXPECT_EQ(ShortString("0001"), QByteArray("\x04" "0001"));
    EXPECT_EQ(ShortString(""), QByteArray(1, '\0'));
    const QByteArray chinese = ShortString(QStringLiteral("张三"));
    EXPECT_EQ(quint8(chinese[0]), 4);
    EXPECT_EQ(chinese.size(), 5);
}

TEST(ShortString, LongCodeIsCutToWholeCharactersWithin255Bytes)
{
    EXPECT_EQ(quint8(ShortString(QString(300, QLatin1Char('7')))[0]), 255);
    // 128 Chinese characters are 256 bytes: the last whole one within 255 ends at byte 254.
    const QByteArray cut = ShortString(QString(128, QChar(0x5F20)));
    EXPECT_EQ(quint8(cut[0]), 254);
    EXPECT_EQ(cut.size(), 255);
}

TEST(TKeyChord, NamesAndModifiers)
{
    const struct {
        const char *Text;
        int Key;
        Qt::KeyboardModifiers Modifiers;
    } cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier},
        {"esc", Qt::Key_Escape, Qt::NoModifier},
        {"F12", Qt::Key_F12, Qt::NoModifier},
        {"Ctrl+P", Qt::Key_P, Qt::ControlModifier},
        {"ctrl+shift+f5", Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier},
        {"Alt+Down", Qt::Key_Down, Qt::AltModifier},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
        {"Ctrl++", Qt::Key_Plus, Qt::ControlModifier},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier},
        {"Delete", Qt::Key_Delete, Qt::NoModifier},
    };
    for (const auto &c : cases) {
        const Result<TKeyChord> chord = TKeyChord::Parse(QLatin1String(c.Text));
        ASSERT_TRUE(chord) << c.Text << ": " << chord.Error().toStdString();
        EXPECT_EQ(chord->Key, c.Key) << c.Text;
        EXPECT_EQ(chord->Modifiers, c.Modifiers) << c.Text;
    }
    for (const char *bad : {"Hyper+A", "F13", "Enterr", "Ctrl+"})
        EXPECT_FALSE(TKeyChord::Parse(QLatin1String(bad))) << bad;
}

TEST(TScriptCommand, LastArgumentIsTheRestOfTheLine)
{
    const Result<TScriptCommand> type = TScriptCommand::Parse("  type edtkhmc 北京 华联 超市 ", 3);
    ASSERT_TRUE(type);
    EXPECT_EQ(type->Line, 3);
    EXPECT_EQ(type->Verb, "type");
    EXPECT_EQ(type->Args, (QStringList{"edtkhmc", "北京 华联 超市"}));

    const Result<TScriptCommand> sql = TScriptCommand::Parse("sql select f_djh, f_zdrq from tb202401_Yskmxzb", 1);
    ASSERT_TRUE(sql);
    EXPECT_EQ(sql->Args, QStringList{"select f_djh, f_zdrq from tb202401_Yskmxzb"});

    const Result<TScriptCommand> cell = TScriptCommand::Parse("cell sgdInputys 2 1", 1);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->IntArg(1), 2);
    EXPECT_EQ(cell->IntArg(2), 1);
}

TEST(TScriptCommand, CommentsAndBlankLinesAreEmpty)
{
    for (const char *line : {"", "   ", "# open input", "  # note"}) {
        const Result<TScriptCommand> command = TScriptCommand::Parse(QString::fromUtf8(line), 1);
        ASSERT_TRUE(command) << line;
        EXPECT_TRUE(command->IsEmpty()) << line;
    }
}

TEST(TScriptCommand, RefusesWrongLines)
{
    const struct {
        const char *Line;
        const char *Message;
    } cases[] = {
        {"press edtkhbm Enter", "line 7: unknown command \"press\""},
        {"type edtkhbm", "line 7: usage: type NAME TEXT"},
        {"cell sgdInputys 2", "line 7: usage: cell GRID COL ROW"},
        {"cell sgdInputys two 1", "line 7: usage: cell GRID COL ROW"},
        {"showcell sgdInputys 1 -1", "line 7: usage: showcell GRID COL ROW"},
        {"key edtkhbm Ctrl P", "line 7: usage: key NAME KEY"},
        {"messages now", "line 7: usage: messages"},
        {"open", "line 7: usage: open"},
    };
    for (const auto &c : cases) {
        const Result<TScriptCommand> command = TScriptCommand::Parse(QString::fromUtf8(c.Line), 7);
        ASSERT_FALSE(command) << c.Line;
        EXPECT_TRUE(command.Error().startsWith(QString::fromUtf8(c.Message))) << command.Error().toStdString();
    }
}

} // namespace
