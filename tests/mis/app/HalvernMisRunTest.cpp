#include "support/TestPrinters.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// halvern-mis as the clerk's scripts run it: offscreen, over a throw-away database.
class HalvernMisRun : public testing::Test {
protected:
    struct TRun {
        int ExitCode = -1;
        QString Out;
        QString Err;
    };

    TRun Start(const QStringList &arguments, const QString &script = QString())
    {
        QStringList all = arguments;
        if (!script.isNull()) {
            QFile file(Dir.filePath("scenario.txt"));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(script.toUtf8());
            file.close();
            all << "--script" << file.fileName();
        }
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(Dir.path());
        process.start(HALVERN_MIS_PATH, all);
        EXPECT_TRUE(process.waitForFinished(120000)) << "halvern-mis did not finish";
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    TRun Script(const QString &script, const QString &module = FAKE_ZORVA_PATH)
    {
        return Start({"--database", Database, "--module", module, "--shop", "HLV"}, script);
    }

    QTemporaryDir Dir;
    QString Database = Dir.filePath("shop.db");
};

TEST_F(HalvernMisRun, HelpListsTheOptions)
{
    const TRun run = Start({"--help"});
    EXPECT_EQ(run.ExitCode, 0);
    for (const char *option : {"--database PATH", "--init-demo", "--operator CODE", "--dbtype", "--month yyyymm",
                               "--module PATH", "--script FILE", "--export-template NAME FILE",
                               "--import-template NAME FILE"})
        EXPECT_TRUE(run.Out.contains(QLatin1String(option))) << option;
}

TEST_F(HalvernMisRun, InitDemoWritesTheDemoShopOnce)
{
    const TRun first = Start({"--database", Database, "--init-demo"});
    EXPECT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    EXPECT_TRUE(QFile::exists(Database));
    const TRun second = Start({"--database", Database, "--init-demo"});
    EXPECT_EQ(second.ExitCode, 1);
    EXPECT_TRUE(second.Err.contains("already holds a shop")) << second.Err.toStdString();
}

TEST_F(HalvernMisRun, ScriptOpensAFormAndReadsItsControls)
{
    ASSERT_EQ(Start({"--database", Database, "--init-demo"}).ExitCode, 0);
    // Without --operator a script works as the first employee.
    const TRun run = Script("sql select min(f_zybm) from tbzyda\n"
                            "open input\n"
                            "show edtOperator\n"
                            "show lblMapText\n"
                            "type edtCode 0001\n"
                            "click 回显\n"
                            "show lblEcho\n"
                            "shot shots/input.png\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QString firstEmployee = run.Out.section('\n', 0, 0);
    EXPECT_FALSE(firstEmployee.isEmpty());
    EXPECT_EQ(run.Out, firstEmployee + "\n"
                           "open input: 收款单录入 (FrmPregatheringInput)\n"
                           "edtOperator: " + firstEmployee + "\n"
                           "lblMapText: HLV\n"
                           "lblEcho: 0001\n"
                           "shot shots/input.png\n");
    EXPECT_TRUE(QFile::exists(Dir.filePath("shots/input.png")));
}

TEST_F(HalvernMisRun, UnknownCommandStopsBeforeAnythingRuns)
{
    const TRun run = Script("open input\npress edtCode Enter\n");
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(run.Err.contains("line 2: unknown command \"press\"")) << run.Err.toStdString();
}

TEST_F(HalvernMisRun, MissingControlStopsTheRun)
{
    const TRun run = Script("open del\nshow edtNowhere\nshow edtOperator\n");
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "open del: 预收款单查询 (FrmprepgatheringSearchdel)\n");
    EXPECT_TRUE(run.Err.contains("line 2: show: no control named \"edtNowhere\"")) << run.Err.toStdString();
}

TEST_F(HalvernMisRun, MissingPluginIsReported)
{
    const TRun run = Script("open input\n", Dir.filePath("nowhere/libzorva.so"));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("plug-in library not found")) << run.Err.toStdString();
}

TEST_F(HalvernMisRun, UnknownOperatorIsRefused)
{
    const TRun run = Start({"--database", Database, "--module", FAKE_ZORVA_PATH, "--operator", "X9X9"}, "open input\n");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("no employee with the code X9X9")) << run.Err.toStdString();
}

#ifdef REAL_ZORVA_PATH
TEST_F(HalvernMisRun, RealPluginOpensItsFormsInThePanel)
{
    const TRun run = Script("open input\nshow PanelMain\nopen del\nshow PanelMain\n", REAL_ZORVA_PATH);
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "open input: 收款单录入 (FrmPregatheringInput)\n"
                       "PanelMain: \n"
                       "open del: 预收款单查询 (FrmprepgatheringSearchdel)\n"
                       "PanelMain: \n");
}
#endif

} // namespace
