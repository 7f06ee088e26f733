#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zanvik::server {

using PictureBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

// What a session needs from the store of pictures. Titles are GBK bytes.
class PictureCatalog {
public:
    enum class StoreResult { stored, titleTaken, failed };

    virtual ~PictureCatalog() = default;
    // "[reqimgtitle]" followed by the newest titles joined by ",", cut at a title's end so the
    // whole message stays within maxTitleListBytes.
    virtual std::shared_ptr<const std::string> titleListMessage() = 0;
    // The picture stored under title, or null.
    virtual PictureBytes picture(std::string_view title) = 0;
    // True when the title is stored or retired: an upload under it is refused.
    virtual bool titleTaken(std::string_view title) = 0;
    // Stores a whole picture in one transaction; listed from then on.
    virtual StoreResult store(std::string_view title, std::span<const std::uint8_t> bytes) = 0;
    // Remembers a title that was asked for but not held (see server/README.md).
    virtual void retire(std::string_view title) = 0;
};

} // namespace zanvik::server
