#include "Sqlite.h"

#include <QFile>

#include <sqlite3.h>

#include <utility>

namespace {

[[noreturn]] void fail(sqlite3* db, int rc, const char* context) {
    std::string message = context;
    message += ": ";
    message += db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw SqliteError(db ? sqlite3_extended_errcode(db) : rc, message);
}

} // namespace

SqliteDatabase::SqliteDatabase(const QString& path, Mode mode) {
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::ReadWriteCreate:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    }
    const QByteArray name = QFile::encodeName(path);
    const int rc = sqlite3_open_v2(name.constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        SqliteError error(rc, std::string("open ") + name.constData() + ": " +
                                  (db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)));
        sqlite3_close(db_);
        db_ = nullptr;
        throw error;
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 2000);
}

SqliteDatabase::~SqliteDatabase() {
    close();
}

SqliteDatabase::SqliteDatabase(SqliteDatabase&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

SqliteDatabase& SqliteDatabase::operator=(SqliteDatabase&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

bool SqliteDatabase::isReadOnly() const {
    return db_ && sqlite3_db_readonly(db_, "main") == 1;
}

void SqliteDatabase::close() {
    if (db_) {
        // Statements still alive would keep the file open: close_v2 lets them finish first.
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void SqliteDatabase::execute(const char* sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = std::string(sql) + ": " + (error ? error : sqlite3_errstr(rc));
        sqlite3_free(error);
        throw SqliteError(sqlite3_extended_errcode(db_), message);
    }
}

std::int64_t SqliteDatabase::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(db_);
}

SqliteStatement::SqliteStatement(SqliteDatabase& db, const char* sql) : db_(db.handle()) {
    const int rc = sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr);
    if (rc != SQLITE_OK)
        fail(db_, rc, sql);
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : stmt_(std::exchange(other.stmt_, nullptr)), db_(std::exchange(other.db_, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = std::exchange(other.stmt_, nullptr);
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

void SqliteStatement::check(int rc) const {
    if (rc != SQLITE_OK)
        fail(db_, rc, sqlite3_sql(stmt_));
}

void SqliteStatement::bind(int index, const QString& text) {
    // UTF-16 goes in as is; the engine stores the file's own encoding.
    check(
        sqlite3_bind_text16(stmt_, index, text.utf16(), static_cast<int>(text.size() * 2), SQLITE_TRANSIENT));
}

void SqliteStatement::bindUtf8(int index, const QByteArray& text) {
    check(sqlite3_bind_text(stmt_, index, text.constData(), static_cast<int>(text.size()), SQLITE_STATIC));
}

void SqliteStatement::bind(int index, std::int64_t value) {
    check(sqlite3_bind_int64(stmt_, index, value));
}

void SqliteStatement::bindNull(int index) {
    check(sqlite3_bind_null(stmt_, index));
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(db_, rc, sqlite3_sql(stmt_));
}

void SqliteStatement::run() {
    step();
    reset();
}

void SqliteStatement::runAndRewind() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW) {
        sqlite3_reset(stmt_);
        return;
    }
    sqlite3_reset(stmt_);
    fail(db_, rc, sqlite3_sql(stmt_));
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

int SqliteStatement::columnIndex(const char* name) const {
    const int n = sqlite3_column_count(stmt_);
    for (int i = 0; i < n; ++i) {
        if (qstrcmp(sqlite3_column_name(stmt_, i), name) == 0)
            return i;
    }
    return -1;
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

QString SqliteStatement::text(int column) const {
    const auto* data = static_cast<const char16_t*>(sqlite3_column_text16(stmt_, column));
    if (!data)
        return {};
    const int bytes = sqlite3_column_bytes16(stmt_, column);
    return QString::fromUtf16(data, bytes / 2);
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db) {
    db_.execute("BEGIN");
}

SqliteTransaction::~SqliteTransaction() {
    if (open_) {
        try {
            db_.execute("ROLLBACK");
        } catch (const SqliteError&) {
            // The engine may already have rolled back after the failure that brought us here.
        }
    }
}

void SqliteTransaction::commit() {
    db_.execute("COMMIT");
    open_ = false;
}
