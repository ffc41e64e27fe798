#include "platform/data/TGbkCodec.h"
#include "platform/win/IniFile.h"
#include "platform/win/IniFile_p.h"
#include "support/TestPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFile : public testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Halvernpos.ini")); }

    void WriteBytes(const QByteArray &bytes) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadBytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Read(const QString &section, const QString &key, const QString &defaultValue = QStringLiteral("?")) const
    {
        return Win::GetPrivateProfileString(section, key, defaultValue, Path());
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(Read(QStringLiteral("ColorOption"), QStringLiteral("FormColor"), QStringLiteral("12345")),
              QStringLiteral("12345"));
    WriteBytes("[ColorOption]\r\nFormColor=1\r\n[Other]\r\nKey=\r\n");
    EXPECT_EQ(Read(QStringLiteral("prepgathering"), QStringLiteral("FormColor")), QStringLiteral("?"));
    EXPECT_EQ(Read(QStringLiteral("ColorOption"), QStringLiteral("EditColor")), QStringLiteral("?"));
    EXPECT_EQ(Read(QStringLiteral("Other"), QStringLiteral("FormColor")), QStringLiteral("?"))
        << "a key of another section is not seen";
    EXPECT_EQ(Read(QStringLiteral("Other"), QStringLiteral("Key")), QString()) << "an empty value is a value";
}

TEST_F(IniFile, SectionsAndKeysMatchWithoutRegardToCase)
{
    WriteBytes("[ColorOption]\nFormColor = 16777215 \n[prepgathering]\n  Splitter=120\n");
    EXPECT_EQ(Read(QStringLiteral("COLOROPTION"), QStringLiteral("formcolor")), QStringLiteral("16777215"));
    EXPECT_EQ(Read(QStringLiteral("PrepGathering"), QStringLiteral("SPLITTER")), QStringLiteral("120"));

    ASSERT_TRUE(Win::WritePrivateProfileString(QStringLiteral("coloroption"), QStringLiteral("FORMCOLOR"),
                                               QStringLiteral("0"), Path()));
    EXPECT_EQ(ReadBytes(), QByteArray("[ColorOption]\nFormColor=0\n[prepgathering]\n  Splitter=120\n"))
        << "the existing key is replaced, not added once more";
}

TEST_F(IniFile, ChineseKeysAndValuesSurviveAWriteAndAreStoredInCodePage936)
{
    const QString section = QStringLiteral("收款单录入");
    const QString key = QStringLiteral("收付项目");
    const QString value = QStringLiteral("预收款单 [定金]");
    ASSERT_TRUE(Win::WritePrivateProfileString(section, key, value, Path()));
    EXPECT_EQ(Read(section, key), value);
    EXPECT_EQ(ReadBytes(), TGbkCodec::Encode(QStringLiteral("[收款单录入]\r\n收付项目=预收款单 [定金]\r\n")));
}

TEST_F(IniFile, AFileTheHostWroteInCodePage936IsRead)
{
    // The second byte of "註" is 0x5D, the byte of "]": the header is matched as text, not bytes.
    const QByteArray bytes = TGbkCodec::Encode(QStringLiteral("[備註]\r\n操作员=张三\r\n"));
    ASSERT_EQ(bytes.mid(3, 2), QByteArray("\xD4\x5D"));
    WriteBytes(bytes);
    EXPECT_EQ(Read(QStringLiteral("備註"), QStringLiteral("操作员")), QStringLiteral("张三"));
}

TEST_F(IniFile, WritingKeepsEveryOtherLine)
{
    const QByteArray before = "; shop settings\r\n"
                              "[ColorOption]\r\n"
                              "FormColor=1\r\n"
                              "\r\n"
                              "[prepgathering]\r\n"
                              "Splitter=120\r\n"
                              "\r\n"
                              "[gatheringBill0]\r\n"
                              "Columns=a;b";
    WriteBytes(before);

    ASSERT_TRUE(Win::WritePrivateProfileString(QStringLiteral("ColorOption"), QStringLiteral("EditColor"),
                                               QStringLiteral("2"), Path()));
    ASSERT_TRUE(Win::WritePrivateProfileString(QStringLiteral("gatheringBill0"), QStringLiteral("Widths"),
                                               QStringLiteral("80"), Path()));
    ASSERT_TRUE(Win::WritePrivateProfileString(QStringLiteral("prepgathering"), QStringLiteral("Splitter"),
                                               QStringLiteral("200"), Path()));
    ASSERT_TRUE(Win::WritePrivateProfileString(QStringLiteral("New"), QStringLiteral("K"), QStringLiteral("v"),
                                               Path()));

    EXPECT_EQ(ReadBytes(), QByteArray("; shop settings\r\n"
                                      "[ColorOption]\r\n"
                                      "FormColor=1\r\n"
                                      "EditColor=2\r\n"
                                      "\r\n"
                                      "[prepgathering]\r\n"
                                      "Splitter=200\r\n"
                                      "\r\n"
                                      "[gatheringBill0]\r\n"
                                      "Columns=a;b\r\n"
                                      "Widths=80\r\n"
                                      "[New]\r\n"
                                      "K=v\r\n"));
}

TEST_F(IniFile, ValuesInQuotesAreReadWithoutThem)
{
    WriteBytes("[s]\na=\"  x \"\nb='y'\nc=\"z\n");
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("a")), QStringLiteral("  x "));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("b")), QStringLiteral("y"));
    EXPECT_EQ(Read(QStringLiteral("s"), QStringLiteral("c")), QStringLiteral("\"z"));
}

TEST_F(IniFile, AWriteIntoAMissingFolderFails)
{
    EXPECT_FALSE(Win::WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"),
                                                m_dir.filePath(QStringLiteral("none/Halvernpos.ini"))));
}

TEST(HostProgramFolder, IsTheExecutablesFolderWhenWritable)
{
    const QString folder = Win::HostProgramFolder();
    EXPECT_TRUE(folder.endsWith(u'/'));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    QTemporaryDir dir;
    EXPECT_EQ(Win::HostFolderFor(dir.path()), QDir(dir.path()).absolutePath() + u'/');
}

TEST(HostProgramFolder, FallsBackToTheUsersConfigurationFolder)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const QString folder = Win::HostFolderFor(QStringLiteral("/nonexistent/halvern/bin"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(folder, home.path() + QStringLiteral("/halvern/"));
    EXPECT_TRUE(QFileInfo(folder).isDir()) << "the folder is created";
}
