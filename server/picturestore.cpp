#include "server/picturestore.h"

#include "link/protocolconstants.h"
#include "server/limits.h"

namespace zanvik::server {
namespace {

constexpr const char* schema = R"sql(
PRAGMA journal_mode = WAL;
PRAGMA synchronous = FULL;
CREATE TABLE IF NOT EXISTS pictures (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    title BLOB NOT NULL UNIQUE,
    bytes BLOB NOT NULL,
    stored_at INTEGER NOT NULL DEFAULT (strftime('%s', 'now')));
CREATE TABLE IF NOT EXISTS retired (title BLOB PRIMARY KEY);
CREATE TABLE IF NOT EXISTS facts (name TEXT PRIMARY KEY, value INTEGER);
)sql";

} // namespace

PictureStore::PictureStore(const std::string& folder) : db_(folder + "/pictures.db") {
    if (!db_.ok() || !db_.execute(schema)) {
        error_ = "cannot open the store in " + folder + ": " + db_.error();
        return;
    }
    dataVersionQuery_ = std::make_unique<SqliteStatement>(db_, "PRAGMA data_version");
    SqliteStatement count(db_, "SELECT COUNT(*) FROM retired");
    if (count.step() == SQLITE_ROW) {
        retiredCount_ = count.columnInt(0);
    }
}

void PictureStore::forgetIfChangedElsewhere() {
    dataVersionQuery_->reset();
    const bool read = dataVersionQuery_->step() == SQLITE_ROW;
    const auto version = read ? dataVersionQuery_->columnInt(0) : -1;
    dataVersionQuery_->reset(); // a statement left at a row would hold its read snapshot open
    if (!read || version != dataVersion_) {
        titleList_.reset();
        cache_.clear();
        cacheOrder_.clear();
        cacheBytes_ = 0;
    }
    dataVersion_ = version;
}

void PictureStore::remember(const std::string& title, const PictureBytes& bytes) {
    if (bytes->size() > pictureCacheBytes / 4 || cache_.count(title) != 0) {
        return;
    }
    while (cacheBytes_ + bytes->size() > pictureCacheBytes && !cacheOrder_.empty()) {
        cacheBytes_ -= cache_[cacheOrder_.front()]->size();
        cache_.erase(cacheOrder_.front());
        cacheOrder_.pop_front();
    }
    cache_.emplace(title, bytes);
    cacheOrder_.push_back(title);
    cacheBytes_ += bytes->size();
}

std::shared_ptr<const std::string> PictureStore::titleListMessage() {
    forgetIfChangedElsewhere();
    if (titleList_ != nullptr) {
        return titleList_;
    }
    std::string message(protocol::titleListTag);
    SqliteStatement query(db_, "SELECT title FROM pictures ORDER BY id DESC");
    bool first = true;
    while (query.step() == SQLITE_ROW) {
        const auto title = query.columnText(0);
        const std::size_t added = title.size() + (first ? 0 : 1);
        if (message.size() + added > maxTitleListBytes) {
            break;
        }
        if (!first) {
            message += ',';
        }
        message += title;
        first = false;
    }
    titleList_ = std::make_shared<const std::string>(std::move(message));
    return titleList_;
}

PictureBytes PictureStore::picture(std::string_view title) {
    forgetIfChangedElsewhere();
    const std::string key(title);
    if (const auto cached = cache_.find(key); cached != cache_.end()) {
        return cached->second;
    }
    SqliteStatement query(db_, "SELECT bytes FROM pictures WHERE title = ?1");
    query.bindBlob(1, title);
    if (query.step() != SQLITE_ROW) {
        return nullptr;
    }
    const auto bytes = query.columnBlob(0);
    auto picture = std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
    remember(key, picture);
    return picture;
}

bool PictureStore::titleTaken(std::string_view title) {
    SqliteStatement query(db_, "SELECT 1 FROM pictures WHERE title = ?1 "
                               "UNION ALL SELECT 1 FROM retired WHERE title = ?1");
    query.bindBlob(1, title);
    return query.step() == SQLITE_ROW;
}

PictureCatalog::StoreResult PictureStore::store(std::string_view title,
                                                std::span<const std::uint8_t> bytes) {
    if (!db_.execute("BEGIN IMMEDIATE")) {
        return StoreResult::failed;
    }
    StoreResult result = StoreResult::stored;
    if (titleTaken(title)) {
        result = StoreResult::titleTaken;
    } else {
        SqliteStatement insert(db_, "INSERT INTO pictures (title, bytes) VALUES (?1, ?2)");
        insert.bindBlob(1, title);
        insert.bindBlob(2, bytes);
        if (insert.step() != SQLITE_DONE) {
            result = StoreResult::failed;
        }
    }
    if (result != StoreResult::stored || !db_.execute("COMMIT")) {
        db_.execute("ROLLBACK");
        return result == StoreResult::stored ? StoreResult::failed : result;
    }
    titleList_.reset();
    return result;
}

void PictureStore::retire(std::string_view title) {
    if (retiredCount_ >= static_cast<std::int64_t>(maxRetiredTitles)) {
        return;
    }
    SqliteStatement insert(db_, "INSERT OR IGNORE INTO retired (title) VALUES (?1)");
    insert.bindBlob(1, title);
    if (insert.step() == SQLITE_DONE && sqlite3_changes(db_.get()) > 0) {
        ++retiredCount_;
    }
}

std::vector<PictureStore::Entry> PictureStore::entries() {
    std::vector<Entry> result;
    SqliteStatement query(db_, "SELECT title, length(bytes) FROM pictures ORDER BY id DESC");
    while (query.step() == SQLITE_ROW) {
        result.push_back({std::string(query.columnText(0)), query.columnInt(1)});
    }
    return result;
}

bool PictureStore::remove(std::string_view title) {
    if (!db_.execute("BEGIN IMMEDIATE")) {
        return false;
    }
    SqliteStatement erase(db_, "DELETE FROM pictures WHERE title = ?1");
    erase.bindBlob(1, title);
    const bool removed = erase.step() == SQLITE_DONE && sqlite3_changes(db_.get()) > 0;
    if (removed) {
        SqliteStatement insert(db_, "INSERT OR IGNORE INTO retired (title) VALUES (?1)");
        insert.bindBlob(1, title);
        insert.step();
    }
    if (!removed || !db_.execute("COMMIT")) {
        db_.execute("ROLLBACK");
        return false;
    }
    titleList_.reset();
    cache_.clear();
    cacheOrder_.clear();
    cacheBytes_ = 0;
    return true;
}

void PictureStore::forEachPicture(
    const std::function<bool(std::string_view, std::span<const std::uint8_t>)>& visit) {
    SqliteStatement query(db_, "SELECT title, bytes FROM pictures ORDER BY id DESC");
    while (query.step() == SQLITE_ROW) {
        if (!visit(query.columnText(0), query.columnBlob(1))) {
            break;
        }
    }
}

bool PictureStore::needsSeeding() {
    SqliteStatement query(db_, "SELECT (SELECT COUNT(*) FROM pictures) = 0 AND "
                               "NOT EXISTS (SELECT 1 FROM facts WHERE name = 'seeded')");
    return query.step() == SQLITE_ROW && query.columnInt(0) != 0;
}

void PictureStore::markSeeded() {
    db_.execute("INSERT OR REPLACE INTO facts (name, value) VALUES ('seeded', 1)");
}

} // namespace zanvik::server
