#include "server/sqlitehandles.h"

namespace zanvik::server {

SqliteDatabase::SqliteDatabase(const std::string& path) {
    sqlite3* db = nullptr;
    const int result =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result == SQLITE_OK) {
        db_ = db;
        sqlite3_busy_timeout(db_, 5000);
    } else {
        openError_ = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(result);
        sqlite3_close(db);
    }
}

SqliteDatabase::~SqliteDatabase() {
    sqlite3_close(db_);
}

std::string SqliteDatabase::error() const {
    return db_ != nullptr ? sqlite3_errmsg(db_) : openError_;
}

bool SqliteDatabase::execute(const char* sql) {
    return db_ != nullptr && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqliteStatement::SqliteStatement(const SqliteDatabase& db, const char* sql) {
    if (db.ok()) {
        sqlite3_prepare_v2(db.get(), sql, -1, &statement_, nullptr);
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

void SqliteStatement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

void SqliteStatement::bindBlob(int index, std::span<const std::uint8_t> bytes) {
    // A zero-length blob must still bind as a blob, not as NULL: give it a valid pointer.
    static constexpr std::uint8_t none = 0;
    sqlite3_bind_blob64(statement_, index, bytes.empty() ? &none : bytes.data(), bytes.size(),
                        SQLITE_TRANSIENT);
}

void SqliteStatement::bindBlob(int index, std::string_view bytes) {
    bindBlob(index, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

void SqliteStatement::bindInt(int index, std::int64_t value) {
    sqlite3_bind_int64(statement_, index, value);
}

int SqliteStatement::step() {
    return statement_ != nullptr ? sqlite3_step(statement_) : SQLITE_MISUSE;
}

std::span<const std::uint8_t> SqliteStatement::columnBlob(int index) {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, index));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement_, index));
    return data != nullptr ? std::span(data, size) : std::span<const std::uint8_t>();
}

std::string_view SqliteStatement::columnText(int index) {
    const auto bytes = columnBlob(index);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::int64_t SqliteStatement::columnInt(int index) {
    return sqlite3_column_int64(statement_, index);
}

} // namespace zanvik::server
