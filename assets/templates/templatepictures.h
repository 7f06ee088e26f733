#pragma once

#include <string_view>

// The designer's six template pictures, compiled into the program as resources (library
// zanvik_template_pictures). Drawn by the asset generator ("assets/generate.sh templates").
namespace zanvik::assets::templates {

inline constexpr std::string_view a = ":/templates/a.jpg"; // JPEG, 154 × 175
inline constexpr std::string_view b = ":/templates/b.bmp"; // 24-bit BMP, 322 × 441
inline constexpr std::string_view C = ":/templates/C.bmp"; // 24-bit BMP, 308 × 182
inline constexpr std::string_view d = ":/templates/d.bmp"; // 24-bit BMP, 200 × 233
inline constexpr std::string_view e = ":/templates/e.bmp"; // 24-bit BMP, 505 × 226
inline constexpr std::string_view F = ":/templates/F.bmp"; // 24-bit BMP, 284 × 169

// Whether the resources are linked in (a template picture can be opened).
bool templatePicturesLinked();

} // namespace zanvik::assets::templates
