#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// A thin RAII layer over the SQLite C API: one connection, prepared statements with bound
// parameters, and a transaction that rolls back unless committed. Failures throw SqliteError.

class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

class SqliteDatabase {
public:
    enum class Mode { ReadWrite, ReadWriteCreate, ReadOnly };

    SqliteDatabase() = default;
    // Opens the file; throws SqliteError when it cannot be opened.
    explicit SqliteDatabase(const QString& path, Mode mode = Mode::ReadWrite);
    ~SqliteDatabase();
    SqliteDatabase(SqliteDatabase&& other) noexcept;
    SqliteDatabase& operator=(SqliteDatabase&& other) noexcept;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    bool isOpen() const { return db_ != nullptr; }
    // True when the engine opened the file read-only (a write-protected file).
    bool isReadOnly() const;
    void close();

    // Runs one or more statements without parameters.
    void execute(const char* sql);
    std::int64_t lastInsertRowId() const;
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class SqliteStatement {
public:
    SqliteStatement() = default;
    SqliteStatement(SqliteDatabase& db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return stmt_ != nullptr; }

    // Parameters are numbered from 1.
    void bind(int index, const QString& text);
    // UTF-8 text the caller keeps unchanged until the statement has run: the engine neither copies
    // nor converts it.
    void bindUtf8(int index, const QByteArray& text);
    void bind(int index, std::int64_t value);
    void bindNull(int index);

    // Advances to the next row: true while a row is there, false when done.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    // Rewinds the statement and clears its parameters for the next use.
    void reset();
    // Runs a statement that returns no rows and rewinds it, its parameters left bound: for a caller
    // that binds every parameter again before each run.
    void runAndRewind();

    int columnCount() const;
    int columnIndex(const char* name) const; // -1 when absent
    bool isNull(int column) const;
    QString text(int column) const;
    std::int64_t integer(int column) const;

private:
    void check(int rc) const;
    sqlite3_stmt* stmt_ = nullptr;
    sqlite3* db_ = nullptr;
};

class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};
