#pragma once

#include "calc_cli/Csv.h"
#include "calc_cli/TextConverter.h"

#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace norvik {

// Writes CSV rows as spreadsheet programs read them: RFC 4180 quoting, CRLF line ends, and the
// chosen encoding with its byte-order mark. Rows collect in a buffer that goes out in large writes.
class CsvRowWriter {
public:
    CsvRowWriter(std::FILE* output, CsvEncoding encoding);
    ~CsvRowWriter();
    CsvRowWriter(const CsvRowWriter&) = delete;
    CsvRowWriter& operator=(const CsvRowWriter&) = delete;

    // Formats one row in the output encoding. False, with nothing written, when a field has a
    // character the encoding cannot hold; `write` then writes the row with it replaced.
    bool encode(std::span<const std::string_view> fields);
    void write();
    // The row last encoded, ready to be written.
    std::string_view encoded() const { return converter_ ? encoded_ : line_; }
    // Writes what is buffered; throws std::runtime_error when the output refuses it.
    void flush();

private:
    std::FILE* output_;
    std::unique_ptr<TextConverter> converter_; // none for UTF-8
    std::string line_;
    std::string encoded_;
    std::string buffer_;
};

} // namespace norvik
