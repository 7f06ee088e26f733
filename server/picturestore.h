#pragma once

#include "server/picturecatalog.h"
#include "server/sqlitehandles.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace zanvik::server {

// The pictures, kept in one SQLite file (WAL mode, synchronous FULL): a picture is written in one
// transaction after its upload ended, so a crash at any moment leaves every stored picture whole
// and no partial one. Several processes may open the same file: the admin commands work while
// the server runs, and the server notices their changes before its next title list.
class PictureStore final : public PictureCatalog {
public:
    struct Entry {
        std::string title; // GBK
        std::int64_t size = 0;
    };

    // Opens or creates the store file "pictures.db" in the folder; check error().
    explicit PictureStore(const std::string& folder);

    // Empty when the store works; otherwise why it does not.
    const std::string& error() const { return error_; }

    std::shared_ptr<const std::string> titleListMessage() override;
    PictureBytes picture(std::string_view title) override;
    bool titleTaken(std::string_view title) override;
    StoreResult store(std::string_view title, std::span<const std::uint8_t> bytes) override;
    void retire(std::string_view title) override;

    // Every title with its size, newest first.
    std::vector<Entry> entries();
    // Removes a picture and retires its title (clients may hold it in their caches). False when
    // the title is not stored.
    bool remove(std::string_view title);
    // Calls visit for each picture, newest first, until it returns false.
    void forEachPicture(
        const std::function<bool(std::string_view title, std::span<const std::uint8_t>)>& visit);
    // True once, on the first start with an empty store: the caller then stores the samples
    // and calls markSeeded.
    bool needsSeeding();
    void markSeeded();

private:
    // Forgets the cached title list and pictures when another process changed the store.
    void forgetIfChangedElsewhere();
    void remember(const std::string& title, const PictureBytes& bytes);

    std::string error_;
    SqliteDatabase db_;
    std::unique_ptr<SqliteStatement> dataVersionQuery_;
    std::shared_ptr<const std::string> titleList_; // null when it must be built again
    // Recently served pictures. A title's picture never changes (titles are never reused), so
    // only a deletion by another process makes an entry stale; see forgetIfChangedElsewhere.
    std::unordered_map<std::string, PictureBytes> cache_;
    std::deque<std::string> cacheOrder_; // oldest first
    std::size_t cacheBytes_ = 0;
    std::int64_t dataVersion_ = -1;
    std::int64_t retiredCount_ = 0;
};

} // namespace zanvik::server
