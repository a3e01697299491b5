#include "calc_cli/CsvRecordReader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace norvik {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD
constexpr std::size_t kChunk = 1 << 16;

// Spaces belong to the field: a clerk's " 300000" is not the edit's "300000".
int noSpaces(unsigned char /*c*/) {
    return 0;
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string encodingProblem(CsvEncoding encoding) {
    if (encoding == CsvEncoding::Cp932) {
        return "CP932 (Shift_JIS) として読めない文字があります / broken encoding: not valid CP932";
    }
    return "UTF-8 として読めない文字があります (CP932 なら --encoding cp932) / broken encoding: "
           "not valid UTF-8 (use --encoding cp932 for Shift_JIS)";
}

} // namespace

CsvRecordReader::CsvRecordReader(std::FILE* input, CsvEncoding encoding)
    : input_(input)
    , encoding_(encoding)
    , converter_(std::make_unique<TextConverter>(
          "UTF-8", encoding == CsvEncoding::Cp932 ? "CP932" : "UTF-8")) {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser_, noSpaces);
}

CsvRecordReader::~CsvRecordReader() {
    csv_free(&parser_);
}

void CsvRecordReader::readAll(const RecordHandler& handler) {
    handler_ = &handler;
    std::array<char, kChunk> chunk{};
    std::string partialLine;
    std::size_t got = 0;
    while (!stopped_ && (got = std::fread(chunk.data(), 1, chunk.size(), input_)) > 0) {
        std::string_view bytes(chunk.data(), got);
        while (!stopped_ && !bytes.empty()) {
            const std::size_t end = bytes.find('\n');
            if (end == std::string_view::npos) {
                partialLine.append(bytes);
                break;
            }
            const std::string_view rest = bytes.substr(0, end + 1);
            if (partialLine.empty()) {
                feedLine(rest);
            } else {
                partialLine.append(rest);
                feedLine(partialLine);
                partialLine.clear();
            }
            bytes.remove_prefix(end + 1);
        }
    }
    if (std::ferror(input_)) {
        throw std::runtime_error(std::string("読み込めません / cannot read: ") +
                                 std::strerror(errno));
    }
    if (!stopped_ && !partialLine.empty()) {
        feedLine(partialLine);
    }
    if (!stopped_ && csv_fini(&parser_, onField, onRecordEnd, this) != 0) {
        throwSyntaxError();
    }
}

void CsvRecordReader::feedLine(std::string_view line) {
    ++line_;
    if (line_ == 1 && line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        hadByteOrderMark_ = true;
        line.remove_prefix(kByteOrderMark.size());
    }
    // Outside quotes a line starts a record, blank lines included (they hold none).
    if (!insideQuotes_) {
        record_.line = line_;
    }
    const std::string_view text = decode(line);
    if (std::count(text.begin(), text.end(), '"') % 2 != 0) {
        insideQuotes_ = !insideQuotes_;
    }
    if (csv_parse(&parser_, text.data(), text.size(), onField, onRecordEnd, this) != text.size()) {
        throwSyntaxError();
    }
}

std::string_view CsvRecordReader::decode(std::string_view line) {
    if (isAscii(line)) {
        return line;
    }
    decoded_.clear();
    if (!converter_->convert(line, decoded_, kReplacement) && record_.encodingProblem.empty()) {
        record_.encodingProblem = encodingProblem(encoding_);
    }
    return decoded_;
}

void CsvRecordReader::onField(void* bytes, std::size_t length, void* self) {
    auto& reader = *static_cast<CsvRecordReader*>(self);
    reader.record_.fields.emplace_back(static_cast<const char*>(bytes), length);
}

void CsvRecordReader::onRecordEnd(int /*terminator*/, void* self) {
    static_cast<CsvRecordReader*>(self)->finishRecord();
}

void CsvRecordReader::finishRecord() {
    if (!stopped_ && !(*handler_)(record_)) {
        stopped_ = true;
    }
    record_.fields.clear();
    record_.encodingProblem.clear();
    record_.line = line_ + 1;
}

void CsvRecordReader::throwSyntaxError() const {
    throw CsvSyntaxError(record_.line, "CSV の引用符 (\") の使い方が正しくありません / broken CSV "
                                       "quoting (RFC 4180)");
}

} // namespace norvik
