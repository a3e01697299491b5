#include "calc_cli/CsvRowWriter.h"

#include <csv.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace norvik {

namespace {

constexpr std::size_t kFlushAt = 1 << 20;

// An empty field stays empty rather than "": spreadsheets read both as an empty cell.
void AppendQuoted(std::string& line, std::string_view field) {
    if (field.empty()) {
        return;
    }
    // A quoted field needs at most two bytes per byte and its two quotes.
    const std::size_t before = line.size();
    line.resize(before + field.size() * 2 + 2);
    const std::size_t written =
        csv_write(line.data() + before, line.size() - before, field.data(), field.size());
    line.resize(before + written);
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

bool CsvRowWriter::Encode(std::span<const std::string_view> fields) {
    line_.clear();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line_ += ',';
        }
        AppendQuoted(line_, fields[i]);
    }
    line_ += "\r\n";
    if (!converter_) {
        return true;
    }
    encoded_.clear();
    return converter_->Convert(line_, encoded_, "?");
}

void CsvRowWriter::Write() {
    buffer_ += Encoded();
    if (buffer_.size() >= kFlushAt) {
        Flush();
    }
}

void CsvRowWriter::Flush() {
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), output_) != buffer_.size()) {
        throw std::runtime_error(std::string("書き込めません / cannot write: ") +
                                 std::strerror(errno));
    }
    buffer_.clear();
}

} // namespace norvik
