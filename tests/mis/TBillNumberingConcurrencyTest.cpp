#include "THostCalls.h"

#include "mis/store/TMisHostService.h"
#include "mis/store/TShopDatabase.h"
#include "support/TTestHost.h"
#include "support/TestPrinters.h"

#include <QSet>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Processes = 4;
constexpr int BillsEach = 25;

// A child process: its own connection and host, saving bills as fast as it can.
[[noreturn]] void SaveBills(const QString &path, int process)
{
    int failures = 0;
    {
        auto db = TShopDatabase::Open(path);
        if (!db)
            _exit(100);
        TRudoDispPtr host(new TMisHostService(**db, THostSettings{QStringLiteral("SQLSERVER"), QStringLiteral("200504"), {}}));
        for (int n = 0; n < BillsEach; ++n) {
            const TBillBuilder bill = TBillBuilder(QStringLiteral("2101001"), QStringLiteral("01"), QStringLiteral("20050401"))
                                          .Remark(QStringLiteral("P%1-%2").arg(process).arg(n))
                                          .Item(QStringLiteral("0001"), 10 + n)
                                          .Payment(QStringLiteral("01"), 10 + n);
            if (!BillUpdate(host.Get(), 0, bill.Payments(), bill.Items()).Ok)
                ++failures;
        }
    }
    _exit(failures);
}

} // namespace

TEST(TBillNumbering, ProcessesSavingAtOnceNeverShareANumberAndLoseNoBill)
{
    TTestHost host({.YearMonth = QStringLiteral("200504"), .Demo = false});
    ASSERT_TRUE(host.Database().EnsureMonthTables(QStringLiteral("200504")));
    QList<pid_t> children;
    for (int p = 0; p < Processes; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            SaveBills(host.DatabasePath(), p);
        children.append(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "bills refused in a child";
    }

    const QStringList numbers = host.Select(QStringLiteral("select f_djh from tb200504_Yskmxzb order by f_djh"));
    ASSERT_EQ(numbers.size(), Processes * BillsEach);
    for (int i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(numbers.at(i), QString::number(i + 1).rightJustified(10, QLatin1Char('0')));
    EXPECT_EQ(host.Select(QStringLiteral("select count(distinct f_bz) from tb200504_Yskmxzb")),
              QStringList{QString::number(Processes * BillsEach)});
    EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tb200504_Yskmxzb zb where"
                                         " (select count(*) from tb200504_yskmxcb cb where cb.f_djh=zb.f_djh)=1"
                                         " and (select count(*) from tb200504_Ysfxmmx x where x.f_djh=zb.f_djh)=1")),
              QStringList{QString::number(Processes * BillsEach)});
}
