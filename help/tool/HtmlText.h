#pragma once

#include <string>
#include <string_view>

namespace norvik::help {

// Text as it must stand inside an HTML element or attribute.
std::string escapeHtml(std::string_view text);

} // namespace norvik::help
