#include "TFrmChooseOperator.h"
#include "TFrmHalvernMain.h"
#include "THostOptions.h"
#include "TScriptRunner.h"
#include "TZorvaLibrary.h"

#include "mis/store/DemoData.h"
#include "mis/store/TMisHostService.h"
#include "mis/store/TShopDatabase.h"
#include "mis/store/TemplateStore.h"
#include "platform/data/TDataSet.h"
#include "platform/widgets/FontSubstitutes.h"
#include "platform/win/IniFile.h"
#include "platform/win/MessageBox.h"
#include "platform/win/ModalRunner.h"
#include "platform/win/SharedMemory.h"
#include "platform/win/ZorvaHostContract.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

#include <cstring>

namespace {

// Bills of advance receipts: the title under which their report templates are stored.
const QString AdvanceReceiptTitle = QStringLiteral("预收款单");
constexpr qsizetype SharedMemorySize = 256;

QTextStream &Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream &Err()
{
    static QTextStream err(stderr);
    return err;
}

int Fail(const QString &message)
{
    Err() << "halvern-mis: " << message << Qt::endl;
    return 1;
}

void FillDefaults(THostOptions &options)
{
    if (options.DatabasePath.isEmpty())
        options.DatabasePath = Win::HostProgramFolder() + QStringLiteral("shop.db");
    if (options.ModulePath.isEmpty())
        options.ModulePath = QCoreApplication::applicationDirPath() + QStringLiteral("/libzorva.so");
}

int Maintain(const THostOptions &options)
{
    Result<std::unique_ptr<TShopDatabase>> db = TShopDatabase::Open(options.DatabasePath);
    if (!db)
        return Fail(db.Error());
    if (options.InitDemo) {
        if (!(*db)->IsEmpty())
            return Fail(QStringLiteral("%1 already holds a shop; no demo data written").arg(options.DatabasePath));
        if (const Result<void> seeded = SeedDemoData(**db); !seeded)
            return Fail(seeded.Error());
        Out() << "demo database written to " << options.DatabasePath << Qt::endl;
    }
    if (!options.ImportTemplateName.isEmpty()) {
        QFile file(options.ImportTemplateFile);
        if (!file.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("cannot read %1: %2").arg(options.ImportTemplateFile, file.errorString()));
        const Result<void> stored = ImportTemplate(**db, AdvanceReceiptTitle, options.ImportTemplateName, file.readAll());
        if (!stored)
            return Fail(stored.Error());
        Out() << "template " << options.ImportTemplateName << " stored from " << options.ImportTemplateFile << Qt::endl;
    }
    if (!options.ExportTemplateName.isEmpty()) {
        const Result<QByteArray> bytes = ExportTemplate(**db, options.ExportTemplateName);
        if (!bytes)
            return Fail(bytes.Error());
        QFile file(options.ExportTemplateFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.flush())
            return Fail(QStringLiteral("cannot write %1: %2").arg(options.ExportTemplateFile, file.errorString()));
        Out() << "template " << options.ExportTemplateName << " written to " << options.ExportTemplateFile << Qt::endl;
    }
    return 0;
}

// The operator's name as the host answers GetEmployee; a failure for a code it does not know.
Result<QString> OperatorName(IRudoDisp &host, const QString &code)
{
    QVariantList args{1, code};
    const IRudoDisp::TInvokeResult answer = host.Invoke(DISPID_GetEmployee, args);
    if (!answer.Dispatched || !answer.Value.toBool())
        return Failure(QStringLiteral("no employee with the code %1").arg(code));
    Result<TDataSet> employee = TDataSet::FromPacket(args[1].toByteArray());
    if (!employee || employee->IsEmpty())
        return Failure(QStringLiteral("no employee with the code %1").arg(code));
    employee->First();
    return employee->FieldByName(QStringLiteral("f_zymc")).AsString();
}

QList<TFrmChooseOperator::TEmployee> Employees(TMisHostService &host)
{
    QList<TFrmChooseOperator::TEmployee> employees;
    const Result<QString> rows = host.SelectText(QStringLiteral("select f_zybm, f_zymc from tbzyda order by f_zybm"));
    if (rows)
        for (const QString &row : rows->split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            employees << TFrmChooseOperator::TEmployee{row.section(QLatin1Char('\t'), 0, 0), row.section(QLatin1Char('\t'), 1)};
    return employees;
}

// The block the module reads its first three characters of: the shop code, ended by a zero.
std::unique_ptr<TSharedMemory> CreateSharedMemory(const QString &shopCode)
{
    std::unique_ptr<TSharedMemory> block = TSharedMemory::Create(QLatin1String(ZorvaSharedMemoryName), SharedMemorySize);
    if (!block) {
        Err() << "halvern-mis: cannot create the shared memory block " << ZorvaSharedMemoryName << Qt::endl;
        return block;
    }
    const QByteArray code = shopCode.toLatin1().left(3);
    std::memset(block->Data(), 0, size_t(block->Size()));
    std::memcpy(block->Data(), code.constData(), size_t(code.size()));
    return block;
}

int RunHost(const THostOptions &options)
{
    const bool scripted = !options.ScriptPath.isEmpty();
    QString script;
    if (scripted) {
        QFile file(options.ScriptPath);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return Fail(QStringLiteral("cannot read the script %1: %2").arg(options.ScriptPath, file.errorString()));
        script = QString::fromUtf8(file.readAll());
    }

    // Declared in the order they must outlive each other: the database outlives the host
    // service, which outlives the plug-in library (it holds a reference until unloaded), which
    // outlives the window and the forms in it.
    Result<std::unique_ptr<TShopDatabase>> db = TShopDatabase::Open(options.DatabasePath);
    if (!db)
        return Fail(db.Error());
    if ((*db)->IsEmpty()) {
        if (const Result<void> seeded = SeedDemoData(**db); !seeded)
            return Fail(seeded.Error());
        Err() << "halvern-mis: new database " << options.DatabasePath << " filled with the demo data" << Qt::endl;
    }
    THostSettings settings;
    settings.DbType = options.DbType;
    settings.YearMonth = options.YearMonth;
    auto *service = new TMisHostService(**db, settings);
    const TRudoDispPtr host(service);

    QString operatorCode = options.OperatorCode;
    if (operatorCode.isEmpty()) {
        const QList<TFrmChooseOperator::TEmployee> employees = Employees(*service);
        if (scripted) {
            if (employees.isEmpty())
                return Fail(QStringLiteral("the database has no employees to work as"));
            operatorCode = employees.first().first;
        } else {
            TFrmChooseOperator chooser(employees);
            if (Win::RunModal(chooser) != QDialog::Accepted || chooser.OperatorCode().isEmpty())
                return 0;
            operatorCode = chooser.OperatorCode();
        }
    }
    const Result<QString> operatorName = OperatorName(*service, operatorCode);
    if (!operatorName)
        return Fail(operatorName.Error());

    const std::unique_ptr<TSharedMemory> sharedMemory = CreateSharedMemory(options.ShopCode);
    Result<std::unique_ptr<TZorvaLibrary>> library = TZorvaLibrary::Load(options.ModulePath);
    if (!library) {
        if (!scripted)
            Win::MessageBox(0, library.Error(), QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
        return Fail(library.Error());
    }

    const TZorvaLibrary &plugin = **library;
    TFrmHalvernMain window([&plugin](const QString &name) { return plugin.Entry(name); }, service, operatorCode,
                           *operatorName);
    window.show();
    window.activateWindow();
    if (!scripted)
        return QApplication::exec();

    TScriptRunner runner(window, [service](const QString &sql) { return service->SelectText(sql); }, Out(), Err());
    if (!runner.Start(script))
        return runner.ExitCode();
    const int code = QApplication::exec();
    Out().flush();
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Result<THostOptions> options = THostOptions::Parse(arguments, THostOptions());
    if (!options)
        return Fail(options.Error());
    if (options->Help) {
        Out() << THostOptions::HelpText();
        return 0;
    }
    if (options->MaintenanceOnly()) {
        QCoreApplication app(argc, argv);
        FillDefaults(*options);
        return Maintain(*options);
    }
    QApplication app(argc, argv);
    FillDefaults(*options);
    InstallFontSubstitutes();
    return RunHost(*options);
}
