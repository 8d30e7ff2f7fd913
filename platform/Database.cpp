#include "Database.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>
#include <unistd.h>

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

sqlite3* copyIntoMemory(sqlite3* source)
{
    sqlite3* memory = nullptr;
    if (sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(memory);
        return nullptr;
    }
    sqlite3_backup* backup = sqlite3_backup_init(memory, "main", source, "main");
    const bool copied = backup && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
    if (backup)
        sqlite3_backup_finish(backup);
    if (!copied || sqlite3_errcode(memory) != SQLITE_OK) {
        sqlite3_close(memory);
        return nullptr;
    }
    return memory;
}

} // namespace

DatabaseError::DatabaseError(const QString& message) : std::runtime_error(message.toStdString()) {}

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
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("O arquivo não foi encontrado."));

    sqlite3* handle = nullptr;
    // READWRITE without CREATE: a missing file is an error, never a new empty bank.
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    if (opened != SQLITE_OK) {
        sqlite3_close(handle);
        throw DatabaseError(QStringLiteral("Não foi possível abrir o arquivo."));
    }
    sqlite3_busy_timeout(handle, 3000);
    sqlite3_extended_result_codes(handle, 1);

    // Reading the schema is the first access: a file that is not a database fails here.
    if (sqlite3_exec(handle, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        throw DatabaseError(QStringLiteral("O arquivo está danificado ou não é um banco de questões."));
    }

    if (sqlite3_db_readonly(handle, "main") == 1 || !writable(path)) {
        sqlite3* memory = copyIntoMemory(handle);
        sqlite3_close(handle);
        if (!memory)
            throw DatabaseError(QStringLiteral("O arquivo está danificado ou não pôde ser lido."));
        return std::unique_ptr<Database>(new Database(memory, path, true));
    }
    return std::unique_ptr<Database>(new Database(handle, path, false));
}

sqlite3_stmt* Database::prepare(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle_, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(QStringLiteral("A consulta falhou"));
    }
    return stmt;
}

void Database::fail(const QString& what) const
{
    throw DatabaseError(what + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(handle_)));
}

QStringList Database::columnsOf(const QString& table)
{
    Statement info{prepare(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)))};
    QStringList columns;
    int step;
    while ((step = sqlite3_step(info.stmt)) == SQLITE_ROW)
        columns << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.stmt, 1)));
    if (step != SQLITE_DONE)
        fail(QStringLiteral("Não foi possível ler a estrutura do banco"));
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
        throw DatabaseError(QStringLiteral("Consulta não suportada: %1").arg(sql));
    const QString selectList = match.captured(1);
    const QString table = match.captured(2);
    const QString rest = match.captured(3);

    Statement query{prepare(QStringLiteral("SELECT rowid FROM %1%2").arg(table, rest))};
    std::vector<long long> rowIds;
    int step;
    while ((step = sqlite3_step(query.stmt)) == SQLITE_ROW)
        rowIds.push_back(sqlite3_column_int64(query.stmt, 0));
    if (step != SQLITE_DONE)
        fail(QStringLiteral("A consulta falhou"));
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
        throw DatabaseError(QStringLiteral("Não há registro atual."));
    ++position_;
    rowLoaded_ = false;
    editing_ = false;
}

void Recordset::MoveFirst()
{
    if (rowIds_.empty())
        throw DatabaseError(QStringLiteral("Não há registro atual."));
    position_ = 0;
    rowLoaded_ = false;
    editing_ = false;
}

void Recordset::requireCurrentRecord() const
{
    if (Eof())
        throw DatabaseError(QStringLiteral("Não há registro atual."));
}

void Recordset::loadCurrentRow()
{
    requireCurrentRecord();
    if (rowLoaded_)
        return;
    Statement row{database_.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(selectList_, table_))};
    sqlite3_bind_int64(row.stmt, 1, rowIds_[position_]);
    const int step = sqlite3_step(row.stmt);
    if (step == SQLITE_DONE)
        throw DatabaseError(QStringLiteral("O registro atual foi excluído."));
    if (step != SQLITE_ROW)
        database_.fail(QStringLiteral("Não foi possível ler o registro"));

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
}

int Recordset::columnIndex(const QString& name)
{
    loadCurrentRow();
    // Field names are matched without regard to case, as the bank's engine always did.
    for (int index = 0; index < columns_.size(); ++index)
        if (columns_[index].compare(name, Qt::CaseInsensitive) == 0)
            return index;
    throw DatabaseError(QStringLiteral("O campo \"%1\" não existe em %2.").arg(name, table_));
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
        throw DatabaseError(QStringLiteral("Alteração de campo sem Edit."));
    pendingWrites_.emplace_back(columns_[columnIndex(name)], value);
}

void Recordset::Update()
{
    if (!editing_)
        throw DatabaseError(QStringLiteral("Update sem Edit."));
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
    if (sqlite3_step(update.stmt) != SQLITE_DONE)
        database_.fail(QStringLiteral("Não foi possível gravar no banco de questões"));
    rowLoaded_ = false;
}

} // namespace platform
