#pragma once

#include "calc_cli/Csv.h"
#include "calc_cli/TextConverter.h"

#include <csv.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace norvik {

// Reads a CSV file record by record as it streams in (RFC 4180: quoted fields may hold commas,
// quotes and line breaks; CRLF or LF line ends; a UTF-8 byte-order mark is dropped), decoding
// it to UTF-8 line by line so that each record knows the line it starts on and a broken byte
// spoils only its own record. Memory holds one line and one record, whatever the file's size.
class CsvRecordReader {
public:
    // Returns false to stop reading.
    using RecordHandler = std::function<bool(const CsvRecord&)>;

    // `encoding` says how the input is decoded: UTF-8 (with or without a byte-order mark) or
    // CP932.
    CsvRecordReader(std::FILE* input, CsvEncoding encoding);
    ~CsvRecordReader();
    CsvRecordReader(const CsvRecordReader&) = delete;
    CsvRecordReader& operator=(const CsvRecordReader&) = delete;

    // Hands every record to `handler` in order. Throws CsvSyntaxError on broken quoting and
    // std::runtime_error when the input cannot be read.
    void readAll(const RecordHandler& handler);
    bool hadByteOrderMark() const { return hadByteOrderMark_; }

private:
    static void onField(void* bytes, std::size_t length, void* self);
    static void onRecordEnd(int terminator, void* self);

    void feedLine(std::string_view line);
    std::string_view decode(std::string_view line);
    void finishRecord();
    [[noreturn]] void throwSyntaxError() const;

    std::FILE* input_;
    CsvEncoding encoding_;
    std::unique_ptr<TextConverter> converter_;
    csv_parser parser_{};
    const RecordHandler* handler_ = nullptr;
    bool stopped_ = false;

    CsvRecord record_;
    std::string decoded_;
    long line_ = 0;
    bool insideQuotes_ = false;
    bool hadByteOrderMark_ = false;
};

} // namespace norvik
