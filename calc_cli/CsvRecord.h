#pragma once

#include <string>
#include <vector>

namespace norvik {

// One record of a CSV file, its fields as UTF-8.
struct CsvRecord {
    std::vector<std::string> fields;
    long line = 0;               // where the record starts, counting from 1
    std::string encodingProblem; // set when some of its bytes could not be read
};

} // namespace norvik
