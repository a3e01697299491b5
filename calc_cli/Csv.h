#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace norvik {

// How a CSV file is written: UTF-8, with or without the byte-order mark spreadsheet programs
// look for, or Shift_JIS as spreadsheet programs on Japanese Windows save it (CP932).
enum class CsvEncoding { Utf8, Utf8WithBom, Cp932 };

// One record of a CSV file, its fields as UTF-8.
struct CsvRecord {
    std::vector<std::string> fields;
    long line = 0;               // where the record starts, counting from 1
    std::string encodingProblem; // set when some of its bytes could not be read
};

// Quoting that does not follow RFC 4180: nothing after it can be read reliably.
class CsvSyntaxError : public std::runtime_error {
public:
    CsvSyntaxError(long line, const std::string& what)
        : std::runtime_error(what)
        , line_(line) {}
    long line() const { return line_; }

private:
    long line_;
};

} // namespace norvik
