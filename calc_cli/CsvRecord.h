#pragma once

#include <string>
#include <vector>

namespace norvik {

// One record of a CSV file, its fields as UTF-8.
struct CsvRecord {
    std::vector<std::string> fields;
    long line = 0;       // where the record starts, counting from 1
    std::string problem; // why the record cannot be used as read (broken bytes, too long, ...)
};

} // namespace norvik
