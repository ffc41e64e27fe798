#include "TShopDatabase.h"

#include "TShopSchema.h"
#include "TShopTransaction.h"

#include <QRegularExpression>

#include <sqlite3.h>

namespace {

constexpr int BusyTimeoutMs = 15000;

// A prepared statement that finalizes itself.
class TStatement {
public:
    TStatement() = default;
    ~TStatement() { sqlite3_finalize(m_stmt); }
    TStatement(const TStatement &) = delete;
    TStatement &operator=(const TStatement &) = delete;
    sqlite3_stmt **Out() { return &m_stmt; }
    sqlite3_stmt *Get() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

TFieldType DeclaredType(const char *declared)
{
    const QString type = QString::fromUtf8(declared).toUpper();
    if (type.contains(QLatin1String("INT")))
        return TFieldType::Integer;
    for (const char *real : {"REAL", "FLOA", "DOUB", "NUM", "DEC"}) {
        if (type.contains(QLatin1String(real)))
            return TFieldType::Float;
    }
    return TFieldType::String;
}

QVariant ColumnValue(sqlite3_stmt *stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)),
                                 sqlite3_column_bytes(stmt, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                          sqlite3_column_bytes(stmt, column));
    default:
        return {};
    }
}

int Bind(sqlite3_stmt *stmt, int index, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

// The column types of a finished result (see TQueryResult).
void SettleColumnTypes(QList<TFieldDef> &columns, const QList<bool> &declared, const QList<QList<QVariant>> &rows)
{
    for (int c = 0; c < columns.size(); ++c) {
        bool typed = declared.at(c);
        bool anyText = false;
        bool anyReal = false;
        for (const auto &row : rows) {
            const QVariant &cell = row.at(c);
            if (cell.isNull())
                continue;
            const bool isReal = cell.typeId() == QMetaType::Double;
            const bool isInteger = cell.typeId() == QMetaType::LongLong;
            if (!typed) {
                columns[c].DataType = isInteger ? TFieldType::Integer : isReal ? TFieldType::Float : TFieldType::String;
                typed = true;
            }
            anyText = anyText || (!isReal && !isInteger);
            anyReal = anyReal || isReal;
        }
        TFieldType &type = columns[c].DataType;
        if (type != TFieldType::String && anyText)
            type = TFieldType::String;
        else if (type == TFieldType::Integer && anyReal)
            type = TFieldType::Float;
    }
}

bool OnlyBlanksOrSemicolons(const char *text)
{
    for (; text && *text; ++text) {
        if (*text != ';' && !QChar::isSpace(uchar(*text)))
            return false;
    }
    return true;
}

} // namespace

TShopDatabase::TShopDatabase(sqlite3 *handle, QString path) : m_db(handle), m_path(std::move(path)) {}

TShopDatabase::~TShopDatabase()
{
    sqlite3_close_v2(m_db);
}

Result<std::unique_ptr<TShopDatabase>> TShopDatabase::Open(const QString &path)
{
    sqlite3 *handle = nullptr;
    const int opened = sqlite3_open_v2(path.toUtf8().constData(), &handle,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<TShopDatabase> db(new TShopDatabase(handle, path));
    if (opened != SQLITE_OK)
        return Failure(QStringLiteral("无法打开数据库 %1：%2").arg(path, db->LastError()));
    sqlite3_busy_timeout(handle, BusyTimeoutMs);
    for (const char *pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"}) {
        if (auto done = db->Query(QString::fromLatin1(pragma)); !done)
            return Failure(QStringLiteral("无法打开数据库 %1：%2").arg(path, done.Error()));
    }
    if (auto created = db->CreateSchema(); !created)
        return Failure(QStringLiteral("无法建立数据库结构 %1：%2").arg(path, created.Error()));
    return db;
}

Result<void> TShopDatabase::CreateSchema()
{
    auto version = Query(QStringLiteral("PRAGMA user_version"));
    if (!version)
        return Failure(version.Error());
    if (version->Rows.value(0).value(0).toInt() >= TShopSchema::Version)
        return Success();
    TShopTransaction transaction(*this);
    if (auto started = transaction.Start(); !started)
        return started;
    for (const QString &statement : TShopSchema::BaseStatements()) {
        if (auto done = Execute(statement); !done)
            return done;
    }
    if (auto done = Execute(QStringLiteral("PRAGMA user_version=%1").arg(TShopSchema::Version)); !done)
        return done;
    return transaction.Commit();
}

bool TShopDatabase::IsEmpty() const
{
    sqlite3_stmt *stmt = nullptr;
    bool empty = true;
    if (sqlite3_prepare_v2(m_db, "SELECT 1 FROM tbSysMsg LIMIT 1", -1, &stmt, nullptr) == SQLITE_OK)
        empty = sqlite3_step(stmt) != SQLITE_ROW;
    sqlite3_finalize(stmt);
    return empty;
}

QString TShopDatabase::LastError() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
}

bool TShopDatabase::InTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

Result<void> TShopDatabase::Execute(const QString &sql, const QVariantList &params)
{
    auto done = Run(sql, params, false);
    if (!done)
        return Failure(done.Error());
    return Success();
}

Result<TQueryResult> TShopDatabase::Query(const QString &sql, const QVariantList &params)
{
    return Run(sql, params, false);
}

Result<TQueryResult> TShopDatabase::QueryReadOnly(const QString &sql)
{
    for (const QString &month : TShopSchema::MonthsNamedIn(sql)) {
        if (auto ensured = EnsureMonthTables(month); !ensured)
            return Failure(ensured.Error());
    }
    return Run(sql, {}, true);
}

Result<TQueryResult> TShopDatabase::Run(const QString &sql, const QVariantList &params, bool readOnly)
{
    const QByteArray text = sql.toUtf8();
    TStatement stmt;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), stmt.Out(), &tail) != SQLITE_OK)
        return Failure(LastError());
    if (!stmt.Get())
        return Failure(QStringLiteral("没有可执行的语句"));
    if (readOnly && (!sqlite3_stmt_readonly(stmt.Get()) || !OnlyBlanksOrSemicolons(tail)))
        return Failure(QStringLiteral("只能执行一条查询语句：%1").arg(sql.trimmed()));
    for (int i = 0; i < params.size(); ++i) {
        if (Bind(stmt.Get(), i + 1, params.at(i)) != SQLITE_OK)
            return Failure(LastError());
    }

    TQueryResult result;
    QList<bool> declared;
    const int columnCount = sqlite3_column_count(stmt.Get());
    for (int c = 0; c < columnCount; ++c) {
        TFieldDef def;
        def.Name = QString::fromUtf8(sqlite3_column_name(stmt.Get(), c));
        const char *declaredType = sqlite3_column_decltype(stmt.Get(), c);
        def.DataType = declaredType ? DeclaredType(declaredType) : TFieldType::String;
        declared.append(declaredType != nullptr);
        result.Columns.append(def);
    }
    for (;;) {
        const int step = sqlite3_step(stmt.Get());
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW)
            return Failure(LastError());
        QList<QVariant> row;
        row.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c)
            row.append(ColumnValue(stmt.Get(), c));
        result.Rows.append(row);
    }
    SettleColumnTypes(result.Columns, declared, result.Rows);
    return result;
}

Result<void> TShopDatabase::EnsureMonthTables(const QString &month)
{
    if (!TShopSchema::IsMonth(month))
        return Failure(QStringLiteral("年月不合法：%1").arg(month));
    if (m_monthsPresent.contains(month))
        return Success();
    QVariantList names;
    for (const QString &suffix : TShopSchema::MonthSuffixes())
        names.append(TShopSchema::MonthTable(month, suffix));
    auto present = Query(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table'"
                                        " AND name COLLATE NOCASE IN (?,?,?,?,?)"),
                         names);
    if (!present)
        return Failure(present.Error());
    if (present->Rows.value(0).value(0).toInt() < names.size()) {
        const bool own = !InTransaction();
        TShopTransaction transaction(*this);
        if (own) {
            if (auto started = transaction.Start(); !started)
                return started;
        }
        for (const QString &statement : TShopSchema::MonthStatements(month)) {
            if (auto done = Execute(statement); !done)
                return done;
        }
        if (!own)
            return Success(); // the caller's transaction decides; do not remember a table it may roll back
        if (auto committed = transaction.Commit(); !committed)
            return committed;
    }
    m_monthsPresent.insert(month);
    return Success();
}

QStringList TShopDatabase::ExistingMonths()
{
    static const QRegularExpression pattern(QStringLiteral("^tb(\\d{6})_yskmxzb$"), QRegularExpression::CaseInsensitiveOption);
    QStringList months;
    auto tables = Query(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    if (!tables)
        return months;
    for (const auto &row : tables->Rows) {
        const auto match = pattern.match(row.at(0).toString());
        if (match.hasMatch() && TShopSchema::IsMonth(match.captured(1)))
            months.append(match.captured(1));
    }
    months.sort();
    return months;
}
