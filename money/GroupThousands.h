#pragma once

#include <string>
#include <string_view>

namespace norvik {

// The digits of a whole number with "," between groups of three, counted from the right. The
// result fields and the numeric edit separate thousands alike whatever the locale says.
std::string groupThousands(std::string_view digits);

} // namespace norvik
