#pragma once

#include "link/protocolconstants.h"
#include "server/picturecatalog.h"

#include <map>
#include <set>
#include <string>

namespace zanvik::server {

// A catalog held in memory, for exercising sessions without a database (tests, fuzzing). Lists
// titles in the order they were stored, newest first, without the size cap of the real store.
class MemoryCatalog final : public PictureCatalog {
public:
    std::shared_ptr<const std::string> titleListMessage() override {
        std::string message(protocol::titleListTag);
        for (auto title = order_.rbegin(); title != order_.rend(); ++title) {
            message += (title == order_.rbegin() ? "" : ",") + *title;
        }
        return std::make_shared<const std::string>(std::move(message));
    }
    PictureBytes picture(std::string_view title) override {
        const auto found = pictures_.find(std::string(title));
        return found == pictures_.end() ? nullptr : found->second;
    }
    bool titleTaken(std::string_view title) override {
        return pictures_.count(std::string(title)) != 0 || retired_.count(std::string(title)) != 0;
    }
    StoreResult store(std::string_view title, std::span<const std::uint8_t> bytes) override {
        if (titleTaken(title)) {
            return StoreResult::titleTaken;
        }
        pictures_[std::string(title)] =
            std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
        order_.emplace_back(title);
        return StoreResult::stored;
    }
    void retire(std::string_view title) override { retired_.emplace(title); }

private:
    std::map<std::string, PictureBytes> pictures_;
    std::vector<std::string> order_;
    std::set<std::string> retired_;
};

} // namespace zanvik::server
