#pragma once

#include <stdexcept>
#include <string>

namespace norvik {

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
