#pragma once

// The image-server protocol's tags and fixed settings. Plain constants with no dependency, so
// that the client and the server (which links no Qt) share one definition.

#include <cstdint>
#include <string_view>

namespace zanvik::protocol {

inline constexpr std::string_view titleListTag = "[reqimgtitle]";     // request and answer
inline constexpr std::string_view pictureRequestTag = "[reqimgdata]"; // + title
inline constexpr std::string_view nextPartTag = "[nextimgdata]";      // client asks for more
inline constexpr std::string_view endOfPictureTag = "[/nextimgdata]"; // server: picture done
inline constexpr std::string_view uploadTitleTag = "[title]";         // + title
inline constexpr std::string_view titleAcceptedTag = "[nexttitle]";   // server
inline constexpr std::string_view uploadStartTag = "[img]";           // client
inline constexpr std::string_view nextChunkTag = "[nextimg]";         // server
inline constexpr std::string_view endOfUploadTag = "[/img]";          // client

inline constexpr std::uint16_t SERVER_PORT = 11342;
// The largest upload chunk the client sends.
inline constexpr std::int32_t CHUNK_SIZE = 2000;

} // namespace zanvik::protocol
