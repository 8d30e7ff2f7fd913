#include "Database.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>
#include <unistd.h>

#include <utility>

namespace platform {
namespace {

// Closes a prepared statement at scope exit.
struct Statement {
    sqlite3_stmt* stmt;
    ~Statement() { sqlite3_finalize(stmt); }
};

QString quoted(const QString& identifier)
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool writable(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    // The folder matters too: SQLite writes its journal beside the file.
    return ::access(file.constData(), W_OK) == 0 && ::access(folder.constData(), W_OK) == 0;
}

DatabaseErrorKind kindOf(int code, DatabaseErrorKind otherwise)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseErrorKind::Busy;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return DatabaseErrorKind::NotADatabase;
    default:
        return otherwise;
    }
}

QString sqliteDetail(const char* doing, int code, const char* message)
{
    return QStringLiteral("%1: %2 (SQLite code %3)").arg(QLatin1String(doing), QString::fromUtf8(message)).arg(code);
}

// The copy, or the code of the failure.
sqlite3* copyIntoMemory(sqlite3* source, int& code)
{
    sqlite3* memory = nullptr;
    code = sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_close(memory);
        return nullptr;
    }
    sqlite3_backup* backup = sqlite3_backup_init(memory, "main", source, "main");
    code = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(memory);
    if (backup)
        sqlite3_backup_finish(backup);
    if (code != SQLITE_DONE) {
        sqlite3_close(memory);
        return nullptr;
    }
    return memory;
}

} // namespace

DatabaseError::DatabaseError(DatabaseErrorKind kind, const QString& detail)
    : std::runtime_error(detail.toStdString()), kind_(kind)
{
}

// ---- Database ------------------------------------------------------------

Database::Database(sqlite3* handle, QString path, bool inMemoryCopy)
    : handle_(handle), path_(std::move(path)), inMemoryCopy_(inMemoryCopy)
{
}

Database::~Database()
{
    sqlite3_close_v2(handle_);
}

std::unique_ptr<Database> Database::OpenDatabase(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        throw DatabaseError(DatabaseErrorKind::NotFound, QStringLiteral("no such file: %1").arg(path));
    if (!file.isFile())
        throw DatabaseError(DatabaseErrorKind::CannotOpen, QStringLiteral("not a regular file: %1").arg(path));

    // Closes the handle on every failure below; released once it is kept.
    struct Handle {
        sqlite3* db = nullptr;
        ~Handle() { sqlite3_close(db); }
        // SQLite's message on the handle, unless the failure happened elsewhere.
        [[noreturn]] void fail(int code, DatabaseErrorKind otherwise, const char* doing, bool onHandle = true)
        {
            if ((code & 0xff) == SQLITE_CANTOPEN)
                otherwise = DatabaseErrorKind::CannotOpen;
            const char* message = db && onHandle ? sqlite3_errmsg(db) : sqlite3_errstr(code);
            throw DatabaseError(kindOf(code, otherwise), sqliteDetail(doing, code, message));
        }
    } handle;

    // READWRITE without CREATE: a missing file is an error, never a new empty database.
    int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle.db, SQLITE_OPEN_READWRITE, nullptr);
    if (code != SQLITE_OK)
        handle.fail(code, DatabaseErrorKind::CannotOpen, "opening the file");
    sqlite3_busy_timeout(handle.db, busyTimeoutMs);
    sqlite3_extended_result_codes(handle.db, 1);

    // Reading the schema is the first access: a file that is not a database,
    // or one that another program holds, fails here.
    code = sqlite3_exec(handle.db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        handle.fail(code, DatabaseErrorKind::ReadFailed, "reading the schema");

    if (sqlite3_db_readonly(handle.db, "main") == 1 || !writable(path)) {
        sqlite3* memory = copyIntoMemory(handle.db, code);
        if (!memory)
            handle.fail(code, DatabaseErrorKind::ReadFailed, "copying the read-only file into memory", false);
        return std::unique_ptr<Database>(new Database(memory, path, true));
    }
    sqlite3* kept = std::exchange(handle.db, nullptr);
    return std::unique_ptr<Database>(new Database(kept, path, false));
}

sqlite3_stmt* Database::prepare(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    const int code = sqlite3_prepare_v2(handle_, text.constData(), int(text.size()), &stmt, nullptr);
    if (code != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(code, DatabaseErrorKind::QueryFailed, "preparing a query");
    }
    return stmt;
}

void Database::execute(const char* sql, DatabaseErrorKind otherwise, const char* doing)
{
    const int code = sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        fail(code, otherwise, doing);
}

void Database::fail(int code, DatabaseErrorKind otherwise, const char* doing) const
{
    throw DatabaseError(kindOf(code, otherwise), sqliteDetail(doing, code, sqlite3_errmsg(handle_)));
}

void Database::BeginTrans()
{
    if (!sqlite3_get_autocommit(handle_))
        throw DatabaseError(DatabaseErrorKind::Misuse, QStringLiteral("BeginTrans while a transaction is open"));
    execute("BEGIN IMMEDIATE", DatabaseErrorKind::WriteFailed, "starting a transaction");
}

void Database::CommitTrans()
{
    if (sqlite3_get_autocommit(handle_))
        throw DatabaseError(DatabaseErrorKind::Misuse, QStringLiteral("CommitTrans without BeginTrans"));
    execute("COMMIT", DatabaseErrorKind::WriteFailed, "committing a transaction");
}

void Database::Rollback() noexcept
{
    // Rows read inside the transaction may hold values it wrote.
    ++rollbacks_;
    // Some failures (a full disk, an I/O error) have already rolled the transaction back.
    if (sqlite3_get_autocommit(handle_))
        return;
    const int code = sqlite3_exec(handle_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        qWarning("database: %s",
                 qUtf8Printable(sqliteDetail("rolling back a transaction", code, sqlite3_errmsg(handle_))));
}

QStringList Database::columnsOf(const QString& table)
{
    Statement info{prepare(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)))};
    QStringList columns;
    int step;
    while ((step = sqlite3_step(info.stmt)) == SQLITE_ROW)
        columns << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.stmt, 1)));
    if (step != SQLITE_DONE)
        fail(step, DatabaseErrorKind::ReadFailed, "reading the columns of a table");
    return columns;
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString& sql)
{
    // "SELECT <list> FROM <table> [rest]": the rows are picked by the query as
    // written, and remembered by rowid so that they can be read and updated.
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*SELECT\s+(.+?)\s+FROM\s+([A-Za-z_][A-Za-z0-9_]*)\b(.*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(sql);
    if (!match.hasMatch())
        throw DatabaseError(DatabaseErrorKind::UnsupportedQuery,
                            QStringLiteral("only SELECT <fields> FROM <table> queries open a record set: %1").arg(sql));
    const QString selectList = match.captured(1);
    const QString table = match.captured(2);
    const QString rest = match.captured(3);

    Statement query{prepare(QStringLiteral("SELECT rowid FROM %1%2").arg(table, rest))};
    std::vector<long long> rowIds;
    int step;
    while ((step = sqlite3_step(query.stmt)) == SQLITE_ROW)
        rowIds.push_back(sqlite3_column_int64(query.stmt, 0));
    if (step != SQLITE_DONE)
        fail(step, DatabaseErrorKind::ReadFailed, "running a query");
    return std::unique_ptr<Recordset>(new Recordset(*this, table, selectList, std::move(rowIds)));
}

// ---- Recordset -----------------------------------------------------------

Recordset::Recordset(Database& database, QString table, QString selectList, std::vector<long long> rowIds)
    : database_(database), table_(std::move(table)), selectList_(std::move(selectList)), rowIds_(std::move(rowIds))
{
}

Recordset::~Recordset() = default;

void Recordset::MoveNext()
{
    if (Eof())
        throw DatabaseError(DatabaseErrorKind::NoCurrentRecord, QStringLiteral("no current record"));
    ++position_;
    rowLoaded_ = false;
    editing_ = false;
}

void Recordset::MoveFirst()
{
    if (rowIds_.empty())
        throw DatabaseError(DatabaseErrorKind::NoCurrentRecord, QStringLiteral("no current record"));
    position_ = 0;
    rowLoaded_ = false;
    editing_ = false;
}

void Recordset::requireCurrentRecord() const
{
    if (Eof())
        throw DatabaseError(DatabaseErrorKind::NoCurrentRecord, QStringLiteral("no current record"));
}

void Recordset::loadCurrentRow()
{
    requireCurrentRecord();
    if (rowLoaded_ && loadedAtRollback_ == database_.rollbacks_)
        return;
    Statement row{database_.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(selectList_, table_))};
    sqlite3_bind_int64(row.stmt, 1, rowIds_[position_]);
    const int step = sqlite3_step(row.stmt);
    if (step == SQLITE_DONE)
        throw DatabaseError(DatabaseErrorKind::NoCurrentRecord, QStringLiteral("the current record was deleted"));
    if (step != SQLITE_ROW)
        database_.fail(step, DatabaseErrorKind::ReadFailed, "reading a record");

    const int count = sqlite3_column_count(row.stmt);
    columns_.clear();
    values_.clear();
    for (int i = 0; i < count; ++i) {
        columns_ << QString::fromUtf8(sqlite3_column_name(row.stmt, i));
        if (sqlite3_column_type(row.stmt, i) == SQLITE_NULL) {
            values_.emplace_back(std::nullopt);
        } else {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row.stmt, i));
            values_.emplace_back(QString::fromUtf8(text, sqlite3_column_bytes(row.stmt, i)));
        }
    }
    rowLoaded_ = true;
    loadedAtRollback_ = database_.rollbacks_;
}

int Recordset::columnIndex(const QString& name)
{
    loadCurrentRow();
    // Field names are matched without regard to case, as the bank's engine always did.
    for (int index = 0; index < columns_.size(); ++index)
        if (columns_[index].compare(name, Qt::CaseInsensitive) == 0)
            return index;
    throw DatabaseError(DatabaseErrorKind::NoSuchField, QStringLiteral("no field \"%1\" in %2").arg(name, table_));
}

std::optional<QString> Recordset::Field(const QString& name)
{
    return values_[std::size_t(columnIndex(name))];
}

void Recordset::Edit()
{
    requireCurrentRecord();
    editing_ = true;
    pendingWrites_.clear();
}

void Recordset::SetField(const QString& name, const QString& value)
{
    if (!editing_)
        throw DatabaseError(DatabaseErrorKind::Misuse, QStringLiteral("SetField without Edit"));
    pendingWrites_.emplace_back(columns_[columnIndex(name)], value);
}

void Recordset::Update()
{
    if (!editing_)
        throw DatabaseError(DatabaseErrorKind::Misuse, QStringLiteral("Update without Edit"));
    editing_ = false;
    if (pendingWrites_.empty())
        return;

    QStringList assignments;
    for (const auto& write : pendingWrites_)
        assignments << quoted(write.first) + QStringLiteral(" = ?");
    Statement update{database_.prepare(
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table_, assignments.join(QStringLiteral(", "))))};
    int parameter = 1;
    std::vector<QByteArray> texts;
    texts.reserve(pendingWrites_.size());
    for (const auto& write : pendingWrites_) {
        texts.push_back(write.second.toUtf8());
        sqlite3_bind_text(update.stmt, parameter++, texts.back().constData(), int(texts.back().size()), SQLITE_STATIC);
    }
    sqlite3_bind_int64(update.stmt, parameter, rowIds_[position_]);
    pendingWrites_.clear();
    const int step = sqlite3_step(update.stmt);
    if (step != SQLITE_DONE)
        database_.fail(step, DatabaseErrorKind::WriteFailed, "writing a record");
    rowLoaded_ = false;
}

} // namespace platform
