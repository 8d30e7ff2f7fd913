#pragma once
// The question bank's engine, over SQLite, with the record-set operations the
// screens rely on. A record set is a snapshot of the rows that matched when
// it was opened; field reads give the rows' current values, and Update writes
// one row to the file at once.
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// What went wrong, in terms a caller can act on. The application turns a kind
// into the text its users read.
enum class DatabaseErrorKind {
    NotFound,         // no file at the path
    CannotOpen,       // a file that cannot be opened (no permission, not a regular file)
    Busy,             // another program holds the file locked
    NotADatabase,     // not an SQLite file, or a damaged one
    ReadFailed,       // reading from the file failed
    WriteFailed,      // writing to the file failed (disk full, write refused)
    QueryFailed,      // the query does not fit the file's tables and fields
    NoCurrentRecord,  // no record at the current position, or it was deleted
    NoSuchField,      // the current record has no field of that name
    UnsupportedQuery, // not a "SELECT <fields> FROM <table> ..." query
    Misuse,           // an operation out of order, such as Update without Edit
};

// An engine failure: its kind, and a detail in English for the log (SQLite's
// own text where SQLite reported the failure). The detail is never meant for
// a message to the user.
class DatabaseError : public std::runtime_error {
public:
    DatabaseError(DatabaseErrorKind kind, const QString& detail);
    DatabaseErrorKind kind() const { return kind_; }
    QString detail() const { return QString::fromUtf8(what()); }

private:
    DatabaseErrorKind kind_;
};

class Database;

class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool Eof() const { return position_ >= rowIds_.size(); }
    void MoveNext();
    void MoveFirst();
    int RecordCount() const { return static_cast<int>(rowIds_.size()); }

    // The field of the current record; std::nullopt stands for Null.
    std::optional<QString> Field(const QString& name);

    void Edit();
    void SetField(const QString& name, const QString& value);
    void Update();

private:
    friend class Database;
    Recordset(Database& database, QString table, QString selectList, std::vector<long long> rowIds);
    void loadCurrentRow();
    int columnIndex(const QString& name);
    void requireCurrentRecord() const;

    Database& database_;
    QString table_;
    QString selectList_;
    std::vector<long long> rowIds_;
    std::size_t position_ = 0;

    bool rowLoaded_ = false;
    unsigned long long loadedAtRollback_ = 0; // a rollback since the row was read makes it stale
    QStringList columns_;
    std::vector<std::optional<QString>> values_;

    bool editing_ = false;
    std::vector<std::pair<QString, QString>> pendingWrites_;
};

class Database {
public:
    static constexpr int busyTimeoutMs = 1000;

    // Opens an existing SQLite file for reading and writing. A file or folder
    // that cannot be written is copied into memory and the copy is used, so
    // nothing is ever written to it. A file that another program holds locked
    // is waited for up to busyTimeoutMs, on opening and on every later access,
    // then reported as Busy. Throws DatabaseError.
    static std::unique_ptr<Database> OpenDatabase(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    std::unique_ptr<Recordset> OpenRecordset(const QString& sql);

    // Updates made between BeginTrans and CommitTrans reach the file together,
    // in one write, or not at all: Rollback (or closing the database) undoes
    // them. BeginTrans takes the write lock at once, so a file that another
    // program holds fails here with Busy rather than half-way through.
    // Transactions do not nest.
    void BeginTrans();
    void CommitTrans();
    // Undoes the open transaction; does nothing when none is open. Never
    // throws, so it can run while another failure is being handled.
    void Rollback() noexcept;

    // The column names of a table; empty when the table does not exist.
    QStringList columnsOf(const QString& table);

    bool isInMemoryCopy() const { return inMemoryCopy_; }
    const QString& path() const { return path_; }

private:
    friend class Recordset;
    Database(sqlite3* handle, QString path, bool inMemoryCopy);
    sqlite3_stmt* prepare(const QString& sql);
    void execute(const char* sql, DatabaseErrorKind otherwise, const char* doing);
    // Throws the failure SQLite reported with code; a lock held by another
    // program or a damaged file keeps its own kind, anything else is otherwise.
    [[noreturn]] void fail(int code, DatabaseErrorKind otherwise, const char* doing) const;

    sqlite3* handle_;
    QString path_;
    bool inMemoryCopy_;
    unsigned long long rollbacks_ = 0;
};

} // namespace platform
