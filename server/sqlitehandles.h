#pragma once

#include <cstdint>
#include <span>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace zanvik::server {

// Owns one SQLite connection. Closed in the destructor.
class SqliteDatabase final {
public:
    // Opens (creating when needed) the database file; check ok() and error().
    explicit SqliteDatabase(const std::string& path);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    bool ok() const { return db_ != nullptr; }
    sqlite3* get() const { return db_; }
    std::string error() const;
    // Runs statements that return no rows; false on error.
    bool execute(const char* sql);

private:
    sqlite3* db_ = nullptr;
    std::string openError_;
};

// Owns one prepared statement. Finalized in the destructor.
class SqliteStatement final {
public:
    SqliteStatement(const SqliteDatabase& db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return statement_ != nullptr; }
    // Makes the statement ready to run again, with no values bound.
    void reset();
    void bindBlob(int index, std::span<const std::uint8_t> bytes);
    void bindBlob(int index, std::string_view bytes);
    void bindInt(int index, std::int64_t value);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    std::span<const std::uint8_t> columnBlob(int index);
    std::string_view columnText(int index);
    std::int64_t columnInt(int index);

private:
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace zanvik::server
