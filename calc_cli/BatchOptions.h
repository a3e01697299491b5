#pragma once

#include "calc_cli/CsvEncoding.h"

#include <optional>
#include <string>

namespace norvik {

struct BatchOptions {
    std::string input = "-"; // a file name, or "-" for standard input
    std::string output;      // empty: standard output
    CsvEncoding inputEncoding = CsvEncoding::Utf8;
    std::optional<CsvEncoding> outputEncoding; // nothing: as the input came
    bool captions = false;
    bool keepGoing = false;
};

} // namespace norvik
