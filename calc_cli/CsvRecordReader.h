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
// quotes and line breaks; CRLF, LF or bare CR line ends; a UTF-8 byte-order mark is dropped),
// decoding it to UTF-8 line by line so that each record knows the line it starts on and a
// broken byte spoils only its own record. A record longer than kMaxRecordBytes is skipped up to
// its end and handed on with its problem, so memory stays within a few records whatever the file.
class CsvRecordReader {
public:
    static constexpr std::size_t kMaxRecordBytes = 64 * 1024;

    // Returns false to stop reading.
    using RecordHandler = std::function<bool(const CsvRecord&)>;

    // `encoding` says how the input is decoded: UTF-8 (with or without a byte-order mark) or
    // CP932.
    CsvRecordReader(std::FILE* input, CsvEncoding encoding);
    ~CsvRecordReader();
    CsvRecordReader(const CsvRecordReader&) = delete;
    CsvRecordReader& operator=(const CsvRecordReader&) = delete;

    // Hands every record to `handler` in order. Throws CsvSyntaxError on broken quoting, a file
    // that ends inside a quoted field or a UTF-16 file, and std::runtime_error when the input
    // cannot be read.
    void readAll(const RecordHandler& handler);
    bool hadByteOrderMark() const { return hadByteOrderMark_; }

private:
    static void onField(void* bytes, std::size_t length, void* self);
    static void onRecordEnd(int terminator, void* self);

    void consume(std::string_view bytes);
    void hold(std::string_view bytes);
    void takeLine(std::string_view tail);
    void finishInput();
    void feedLine(std::string_view line);
    void skipLine(std::string_view line);
    void skipBytes(std::string_view bytes);
    void startSkipping();
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
    std::string heldLine_;            // the start of a line whose end has not been read yet
    bool heldLineSkipped_ = false;    // part of the held line was dropped: its record is too long
    bool carriageReturnLast_ = false; // the held line ends in a CR that an LF may follow
    std::size_t recordBytes_ = 0;
    bool skipping_ = false;
    long line_ = 0;
    bool insideQuotes_ = false;
    bool hadByteOrderMark_ = false;
};

} // namespace norvik
