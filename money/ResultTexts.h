#pragma once

#include <string>
#include <utility>
#include <vector>

namespace norvik {

// The texts of one computation, each after the name of the display field that shows it, in
// the order the computation writes them: the order in which the reports list them.
using ResultTexts = std::vector<std::pair<std::string, std::string>>;

} // namespace norvik
