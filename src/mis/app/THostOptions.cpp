#include "THostOptions.h"

#include <QRegularExpression>

#include <optional>

namespace {

bool IsYearMonthText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}(0[1-9]|1[0-2])$"));
    return pattern.match(text).hasMatch();
}

} // namespace

Result<THostOptions> THostOptions::Parse(const QStringList &arguments, const THostOptions &defaults)
{
    THostOptions options = defaults;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments[i];
        // The values an option takes, read from the arguments that follow it.
        auto values = [&](int count) -> std::optional<QStringList> {
            if (i + count >= arguments.size())
                return std::nullopt;
            const QStringList taken = arguments.mid(i + 1, count);
            i += count;
            return taken;
        };
        auto missing = [&](const QString &what) { return Failure(QStringLiteral("%1 needs %2").arg(option, what)); };

        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            options.Help = true;
        } else if (option == QLatin1String("--init-demo")) {
            options.InitDemo = true;
        } else if (option == QLatin1String("--database") || option == QLatin1String("--operator")
                   || option == QLatin1String("--dbtype") || option == QLatin1String("--month")
                   || option == QLatin1String("--module") || option == QLatin1String("--script")
                   || option == QLatin1String("--shop")) {
            const auto value = values(1);
            if (!value)
                return missing(QStringLiteral("a value"));
            const QString text = value->first();
            if (text.isEmpty())
                return missing(QStringLiteral("a value"));
            if (option == QLatin1String("--database"))
                options.DatabasePath = text;
            else if (option == QLatin1String("--operator"))
                options.OperatorCode = text;
            else if (option == QLatin1String("--module"))
                options.ModulePath = text;
            else if (option == QLatin1String("--script"))
                options.ScriptPath = text;
            else if (option == QLatin1String("--dbtype")) {
                options.DbType = text.toUpper();
                if (!QStringList{"SQLSERVER", "DB2", "ORACLE"}.contains(options.DbType))
                    return Failure(QStringLiteral("--dbtype must be SQLSERVER, DB2 or ORACLE, not %1").arg(text));
            } else if (option == QLatin1String("--month")) {
                if (!IsYearMonthText(text))
                    return Failure(QStringLiteral("--month must be yyyymm, not %1").arg(text));
                options.YearMonth = text;
            } else {
                if (text.size() > 3)
                    return Failure(QStringLiteral("--shop takes one to three characters, not %1").arg(text));
                options.ShopCode = text;
            }
        } else if (option == QLatin1String("--export-template") || option == QLatin1String("--import-template")) {
            const auto pair = values(2);
            if (!pair)
                return missing(QStringLiteral("a template name and a file"));
            const bool exporting = option == QLatin1String("--export-template");
            (exporting ? options.ExportTemplateName : options.ImportTemplateName) = pair->at(0);
            (exporting ? options.ExportTemplateFile : options.ImportTemplateFile) = pair->at(1);
        } else {
            return Failure(QStringLiteral("unknown option %1 (see --help)").arg(option));
        }
    }
    return options;
}

QString THostOptions::HelpText()
{
    return QStringLiteral(
        "Usage: halvern-mis [options]\n"
        "The Halvern shop host: opens the advance-receipt forms of libzorva.so over an SQLite shop database.\n"
        "\n"
        "  --database PATH          the shop database (default: shop.db in the host's folder);\n"
        "                           a missing database is created with the demo data\n"
        "  --init-demo              create the database with the demo data and stop\n"
        "  --operator CODE          the operator's employee code (default: chosen at start;\n"
        "                           with --script the first employee)\n"
        "  --dbtype TYPE            database type the host reports: SQLSERVER (default), DB2, ORACLE\n"
        "  --month yyyymm           accounting month (default: the calendar month)\n"
        "  --shop CODE              shop code written to the shared memory block (default 001)\n"
        "  --module PATH            the plug-in library (default: libzorva.so beside the executable)\n"
        "  --script FILE            run a scripted scenario and print what it observed\n"
        "  --export-template NAME FILE   write the stored report template NAME to FILE and stop\n"
        "  --import-template NAME FILE   store FILE as the report template NAME of 预收款单 and stop\n"
        "  -h, --help               show this text\n");
}
