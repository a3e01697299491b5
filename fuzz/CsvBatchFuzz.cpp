// A payroll CSV of arbitrary bytes through the batch reader and its row checks: every record
// comes with a line inside the file and after the one before, within the record limit, and is
// either read into a request and computed or refused with a message; a file that cannot be read
// on is refused with a line inside it.

#include "FuzzCheck.h"

#include "calc_cli/CsvRecordReader.h"
#include "calc_cli/Request.h"
#include "calc_cli/ResultColumns.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace norvik {

namespace {

// Lines as a spreadsheet counts them: LF, CRLF and a bare CR each end one.
long linesIn(std::string_view bytes) {
    long lines = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

std::size_t bytesOf(const CsvRecord& record) {
    std::size_t total = 0;
    for (const std::string& field : record.fields) {
        total += field.size();
    }
    return total;
}

void checkRow(const CsvRecord& record, RequestReader& requests, RuleSet rules) {
    if (!record.problem.empty() || record.fields.size() != ResultColumns::kInputNames.size()) {
        return; // refused before its fields are read, with its line
    }
    const RequestReading reading =
        requests.read(record.fields[1], record.fields[2], record.fields[3], record.fields[4]);
    if (!reading.problem.empty()) {
        return;
    }
    const TaxResult result = computeRequest(Computation{rules}, reading.request);
    require(result.refused() != result.tax.has_value(), "a row has either a tax or a refusal");
    require(result.refused() || !result.fields.empty(), "a computed row has its result set");
    require(!result.refused() || !result.refusal->message.empty(), "a refused row says why");
}

} // namespace

} // namespace norvik

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvik;
    if (size < 1) {
        return 0;
    }
    // The first byte chooses the encoding and the rules; the rest is the file.
    const auto choice = data[0];
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    const long lines = linesIn(file);
    const RuleSet rules = (choice & 2) != 0 ? RuleSet::Paid2026 : RuleSet::Paid2007to2012;
    static RequestReader requests;
    std::FILE* input = file.empty() ? std::fopen("/dev/null", "rb")
                                    : fmemopen(const_cast<char*>(file.data()), file.size(), "rb");
    require(input != nullptr, "the input opens");
    CsvRecordReader reader(input, (choice & 1) != 0 ? CsvEncoding::Cp932 : CsvEncoding::Utf8);
    long previousLine = 0;
    try {
        reader.readAll([&](const CsvRecord& record) {
            require(record.line > previousLine, "records come in the order of their lines");
            require(record.line <= lines, "a record starts on a line of the file");
            // Decoding may widen a byte into the three of U+FFFD, no more.
            require(bytesOf(record) <= 3 * CsvRecordReader::kMaxRecordBytes,
                    "a record stays within the limit");
            require(record.problem.empty() || record.problem.find(" / ") != std::string::npos,
                    "a record's problem is told in both languages");
            previousLine = record.line;
            checkRow(record, requests, rules);
            return true;
        });
    } catch (const CsvSyntaxError& error) {
        require(error.line() >= 1 && error.line() <= lines, "a refused file names a line of it");
        require(error.line() >= previousLine, "the refusal comes after the records read");
    }
    std::fclose(input);
    return 0;
}
