#pragma once

#include <string_view>
#include <vector>

namespace zanvik::gallery {

// The 30 entries the list box starts with (UTF-8): the titles of the image server's sample
// pictures, so that each one can be downloaded before the first title list arrives.
const std::vector<std::string_view>& sampleTitles();

} // namespace zanvik::gallery
