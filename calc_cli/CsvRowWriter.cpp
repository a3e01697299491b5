#include "calc_cli/CsvRowWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace norvik {

namespace {

constexpr std::size_t kFlushAt = 1 << 20;

// RFC 4180 quoting where a field needs it, as spreadsheet programs write: libcsv's writer
// quotes every field, which makes the output a sixth larger and slower to write.
bool needsQuotes(std::string_view field) {
    return std::any_of(field.begin(), field.end(),
                       [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

void appendField(std::string& line, std::string_view field) {
    if (!needsQuotes(field)) {
        line.append(field);
        return;
    }
    line += '"';
    for (std::size_t quote = field.find('"'); quote != std::string_view::npos;
         quote = field.find('"')) {
        line.append(field.substr(0, quote + 1));
        line += '"';
        field.remove_prefix(quote + 1);
    }
    line.append(field);
    line += '"';
}

} // namespace

CsvRowWriter::CsvRowWriter(std::FILE* output, CsvEncoding encoding)
    : output_(output) {
    if (encoding == CsvEncoding::Cp932) {
        converter_ = std::make_unique<TextConverter>("CP932", "UTF-8");
    } else if (encoding == CsvEncoding::Utf8WithBom) {
        buffer_ = "\xEF\xBB\xBF";
    }
}

CsvRowWriter::~CsvRowWriter() = default;

bool CsvRowWriter::encode(std::span<const std::string_view> fields) {
    line_.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line_ += ',';
        }
        appendField(line_, fields[i]);
    }
    line_ += "\r\n";
    if (!converter_) {
        return true;
    }
    encoded_.clear();
    return converter_->convert(line_, encoded_, "?");
}

void CsvRowWriter::write() {
    buffer_ += encoded();
    if (buffer_.size() >= kFlushAt) {
        flush();
    }
}

void CsvRowWriter::flush() {
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), output_) != buffer_.size()) {
        throw std::runtime_error(std::string("書き込めません / cannot write: ") +
                                 std::strerror(errno));
    }
    buffer_.clear();
}

} // namespace norvik
