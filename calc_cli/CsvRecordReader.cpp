#include "calc_cli/CsvRecordReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace norvik {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD
constexpr std::size_t kChunk = 1 << 16;

constexpr const char* kNulProblem =
    "NUL 文字 (0x00) があります。テキストのファイルではありません / a NUL byte (0x00): not "
    "a text file";
constexpr const char* kUtf16Problem =
    "UTF-16 のファイルは読めません。UTF-8 か Shift_JIS (--encoding cp932) で保存してください / "
    "a UTF-16 file: save it as UTF-8, or as Shift_JIS for --encoding cp932";
constexpr const char* kUnterminatedQuote =
    "引用符 (\") が閉じないままファイルが終わっています / the file ends inside a quoted field";

// Spaces belong to the field: a clerk's " 300000" is not the edit's "300000".
int noSpaces(unsigned char /*c*/) {
    return 0;
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool oddQuotes(std::string_view bytes) {
    return std::count(bytes.begin(), bytes.end(), '"') % 2 != 0;
}

// A UTF-16 file starts with its byte-order mark, or has a zero byte beside each character of an
// ASCII header. Neither UTF-8 nor CP932 text does either.
bool looksLikeUtf16(std::string_view start) {
    if (start.size() < 2) {
        return false;
    }
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
        return true;
    }
    return (start[0] == '\0') != (start[1] == '\0');
}

std::string encodingProblem(CsvEncoding encoding) {
    if (encoding == CsvEncoding::Cp932) {
        return "CP932 (Shift_JIS) として読めない文字があります / broken encoding: not valid CP932";
    }
    return "UTF-8 として読めない文字があります (CP932 なら --encoding cp932) / broken encoding: "
           "not valid UTF-8 (use --encoding cp932 for Shift_JIS)";
}

std::string tooLongProblem() {
    const std::string limit = std::to_string(CsvRecordReader::kMaxRecordBytes);
    return "1件の行が " + limit + " バイトを超えています / record longer than " + limit + " bytes";
}

} // namespace

CsvRecordReader::CsvRecordReader(std::FILE* input, CsvEncoding encoding)
    : input_(input)
    , encoding_(encoding)
    , converter_(std::make_unique<TextConverter>(
          "UTF-8", encoding == CsvEncoding::Cp932 ? "CP932" : "UTF-8")) {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser_, noSpaces);
    record_.line = 1;
}

CsvRecordReader::~CsvRecordReader() {
    csv_free(&parser_);
}

void CsvRecordReader::readAll(const RecordHandler& handler) {
    handler_ = &handler;
    std::array<char, kChunk> chunk{};
    std::size_t got = 0;
    bool first = true;
    while (!stopped_ && (got = std::fread(chunk.data(), 1, chunk.size(), input_)) > 0) {
        const std::string_view bytes(chunk.data(), got);
        if (first && looksLikeUtf16(bytes)) {
            throw CsvSyntaxError(1, kUtf16Problem);
        }
        first = false;
        consume(bytes);
    }
    if (std::ferror(input_)) {
        throw std::runtime_error(std::string("読み込めません / cannot read: ") +
                                 std::strerror(errno));
    }
    if (!stopped_) {
        finishInput();
    }
}

// Lines end at an LF, a CRLF or a bare CR (old spreadsheets write those). The start of a line
// whose end has not arrived yet is held; a CR at the very end waits to see whether an LF follows.
void CsvRecordReader::consume(std::string_view bytes) {
    while (!stopped_ && !bytes.empty()) {
        std::size_t length = 0;
        if (carriageReturnLast_) {
            carriageReturnLast_ = false;
            length = bytes.front() == '\n' ? 1 : 0;
        } else {
            const std::size_t end = bytes.find_first_of("\r\n");
            if (end == std::string_view::npos || (bytes[end] == '\r' && end + 1 == bytes.size())) {
                carriageReturnLast_ = end != std::string_view::npos;
                hold(bytes);
                return;
            }
            length = end + (bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
        }
        takeLine(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
}

void CsvRecordReader::hold(std::string_view bytes) {
    if (!skipping_ && recordBytes_ + heldLine_.size() + bytes.size() > kMaxRecordBytes) {
        if (recordBytes_ == 0) { // the held line starts the record
            record_.line = line_ + 1;
        }
        startSkipping();
        skipBytes(heldLine_);
        heldLine_.clear();
    }
    if (skipping_) {
        skipBytes(bytes);
        heldLineSkipped_ = true;
        return;
    }
    heldLine_.append(bytes);
}

void CsvRecordReader::takeLine(std::string_view tail) {
    std::string_view line = tail;
    if (!heldLine_.empty()) {
        heldLine_.append(tail);
        line = heldLine_;
    }
    ++line_;
    heldLineSkipped_ = false;
    // Outside quotes a line starts a record, blank lines included (they hold none).
    if (!skipping_ && !insideQuotes_) {
        record_.line = line_;
    }
    if (!skipping_ && recordBytes_ + line.size() > kMaxRecordBytes) {
        startSkipping();
    }
    if (skipping_) {
        skipLine(line);
    } else {
        feedLine(line);
    }
    heldLine_.clear();
}

void CsvRecordReader::finishInput() {
    if (!heldLine_.empty() || heldLineSkipped_) {
        takeLine({});
    }
    if (stopped_) {
        return;
    }
    if (insideQuotes_) {
        throw CsvSyntaxError(record_.line, kUnterminatedQuote);
    }
    if (csv_fini(&parser_, onField, onRecordEnd, this) != 0) {
        throwSyntaxError();
    }
}

void CsvRecordReader::feedLine(std::string_view line) {
    if (line_ == 1 && line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        hadByteOrderMark_ = true;
        line.remove_prefix(kByteOrderMark.size());
    }
    if (line.find('\0') != std::string_view::npos && record_.problem.empty()) {
        record_.problem = kNulProblem;
    }
    const std::string_view text = decode(line);
    if (oddQuotes(text)) {
        insideQuotes_ = !insideQuotes_;
    }
    recordBytes_ = insideQuotes_ ? recordBytes_ + line.size() : 0;
    if (csv_parse(&parser_, text.data(), text.size(), onField, onRecordEnd, this) != text.size()) {
        throwSyntaxError();
    }
}

// A record that is too long is read no further: only its quotes count, to find where it ends.
void CsvRecordReader::skipLine(std::string_view line) {
    skipBytes(line);
    if (!insideQuotes_) {
        skipping_ = false;
        recordBytes_ = 0;
        finishRecord();
    }
}

void CsvRecordReader::skipBytes(std::string_view bytes) {
    if (oddQuotes(bytes)) {
        insideQuotes_ = !insideQuotes_;
    }
}

void CsvRecordReader::startSkipping() {
    skipping_ = true;
    record_.fields.clear();
    record_.problem = tooLongProblem();
    // What the parser holds of the record is dropped with it.
    csv_free(&parser_);
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser_, noSpaces);
}

std::string_view CsvRecordReader::decode(std::string_view line) {
    if (isAscii(line)) {
        return line;
    }
    decoded_.clear();
    if (!converter_->convert(line, decoded_, kReplacement) && record_.problem.empty()) {
        record_.problem = encodingProblem(encoding_);
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
    record_.problem.clear();
    record_.line = line_ + 1;
}

void CsvRecordReader::throwSyntaxError() const {
    throw CsvSyntaxError(record_.line, "CSV の引用符 (\") の使い方が正しくありません / broken CSV "
                                       "quoting (RFC 4180)");
}

} // namespace norvik
