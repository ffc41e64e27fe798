#include "mis/store/TemplateStore.h"
#include "support/TTestHost.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

TEST(TemplateStore, StoredHexTextIsReadBackStrictly)
{
    auto bytes = TemplateFromHex(QStringLiteral("001fAB#trailing"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, QByteArray("\x00\x1f\xab", 3));
    for (const char *broken : {"001F", "0G#", "001#", " 1#"})
        EXPECT_FALSE(TemplateFromHex(QString::fromLatin1(broken))) << broken;
}

TEST(TemplateStore, ImportThenExportGivesTheBytesBackAndImportReplacesByTitleAndName)
{
    TTestHost host({.Demo = false});
    const QByteArray report = QStringLiteral("HalvernReport 1\n预收款单\n").toUtf8();
    ASSERT_TRUE(ImportTemplate(host.Database(), QStringLiteral("预收款单"), QStringLiteral("标准格式"), "old"));
    ASSERT_TRUE(ImportTemplate(host.Database(), QStringLiteral("预收款单"), QStringLiteral("标准格式"), report));
    EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tbbbmb")), QStringList{QStringLiteral("1")});
    auto exported = ExportTemplate(host.Database(), QStringLiteral("标准格式"));
    ASSERT_TRUE(exported) << exported.Error().toStdString();
    EXPECT_EQ(*exported, report);

    EXPECT_FALSE(ExportTemplate(host.Database(), QStringLiteral("没有的模板")));
    EXPECT_FALSE(ImportTemplate(host.Database(), QString(), QStringLiteral("x"), "y"));
    host.Execute(QStringLiteral("update tbbbmb set f_reportinfo='41ZZ#'"));
    EXPECT_FALSE(ExportTemplate(host.Database(), QStringLiteral("标准格式")));
}
