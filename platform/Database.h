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

// An engine failure, with a Portuguese message fit for the player.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
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
    QStringList columns_;
    std::vector<std::optional<QString>> values_;

    bool editing_ = false;
    std::vector<std::pair<QString, QString>> pendingWrites_;
};

class Database {
public:
    // Opens an existing SQLite file for reading and writing. A file or folder
    // that cannot be written is copied into memory and the copy is used, so
    // nothing is ever written to it. Throws DatabaseError.
    static std::unique_ptr<Database> OpenDatabase(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    std::unique_ptr<Recordset> OpenRecordset(const QString& sql);

    // The column names of a table; empty when the table does not exist.
    QStringList columnsOf(const QString& table);

    bool isInMemoryCopy() const { return inMemoryCopy_; }
    const QString& path() const { return path_; }

private:
    friend class Recordset;
    Database(sqlite3* handle, QString path, bool inMemoryCopy);
    sqlite3_stmt* prepare(const QString& sql);
    [[noreturn]] void fail(const QString& what) const;

    sqlite3* handle_;
    QString path_;
    bool inMemoryCopy_;
};

} // namespace platform
