#pragma once

// The launcher pictures compiled into the program (assets/launcher, resource prefix
// /launcher).

#include <string_view>

namespace zanvik {

inline constexpr std::string_view launcherBackground = ":/launcher/background.jpg";
inline constexpr std::string_view tile1Picture = ":/launcher/tile1.jpg";
inline constexpr std::string_view tile2Picture = ":/launcher/tile2.jpg";
inline constexpr std::string_view tile3Picture = ":/launcher/tile3.jpg";
inline constexpr std::string_view tile4Picture = ":/launcher/tile4.jpg";
inline constexpr std::string_view decorationPicture = ":/launcher/decoration.jpg";
inline constexpr std::string_view programIcon = ":/launcher/zanvik.ico";

} // namespace zanvik
