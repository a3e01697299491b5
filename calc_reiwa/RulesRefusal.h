#pragma once

#include <string>

namespace norvik {

// Why a request cannot be computed under the rules it asked for, in words a clerk can act on.
struct RulesRefusal {
    std::string message;
};

} // namespace norvik
