#pragma once

#include <string>
#include <string_view>

namespace norvik {

// Joins texts with a single allocation: the formulas are assembled from many short pieces on
// every request, and a chain of operator+ would allocate for each of them.
template <typename... Parts>
std::string concat(const Parts&... parts) {
    std::string joined;
    joined.reserve((std::string_view(parts).size() + ...));
    (joined.append(std::string_view(parts)), ...);
    return joined;
}

} // namespace norvik
