#pragma once

#include "calc_cli/TaxRequest.h"

#include <string>

namespace norvik {

// The texts of a request as given on the command line, kept to be shown beside the results.
struct SingleRequest {
    std::string column; // "kou" or "otsu"
    std::string salary;
    std::string dependents;
    std::string spouse; // column 甲 only
};

} // namespace norvik
