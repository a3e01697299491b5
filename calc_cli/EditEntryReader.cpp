#include "calc_cli/EditEntryReader.h"

#include "money/GroupThousands.h"
#include "notation/HalfWidth.h"
#include "notation/NumberFormat.h"
#include "notation/ParseNumberText.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace norvik {

namespace {

// char16_t in the machine's own byte order, as std::u16string holds it.
constexpr const char* kEditEncoding =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// Digits as the edit counts them: integer and decimal digits together, the "0" of a number
// below 1 included.
int digitsOf(Extended value) {
    const std::string plain = formatPlain(std::fabs(value));
    return static_cast<int>(plain.size()) -
           static_cast<int>(std::count(plain.begin(), plain.end(), '.'));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits as the text writes them, counted the way digitsOf counts a value's. A value keeps only
// 14 decimals, so a text can hold digits its value no longer shows: the edit would drop them
// without a word, and the number computed would not be the one the working shows.
int digitsWritten(const std::u16string& halfWidth) {
    std::string integer;
    std::string decimals;
    bool afterPoint = false;
    for (const char16_t c : halfWidth) {
        if (c == u'.') {
            afterPoint = true;
        } else if (c >= u'0' && c <= u'9') {
            (afterPoint ? decimals : integer).push_back(static_cast<char>(c));
        }
    }
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    decimals.erase(std::min(decimals.find_last_not_of('0') + 1, decimals.size()));
    return static_cast<int>(std::max<std::size_t>(integer.size(), 1) + decimals.size());
}

// Digits in groups of three after a first group of one to three, as the edit writes them.
bool grouped(std::string_view digits) {
    const std::size_t first = digits.find(',');
    if (first == std::string_view::npos) {
        return true;
    }
    if (first == 0 || first > 3) {
        return false;
    }
    for (std::size_t at = first; at < digits.size(); at += 4) {
        if (digits[at] != ',' || at + 4 > digits.size()) {
            return false;
        }
    }
    return true;
}

// A whole number in the edit's own notation: a sign, then digits, with or without its
// separators. This is what payroll files hold; reading it needs no decimal formatting, which
// costs several times the computation itself. Anything else goes the general way.
std::optional<EntryReading> readWholeNumber(std::string_view text, int maxDigits) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (negative || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || !isDigit(text.front()) ||
        !std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == ','; }) ||
        !grouped(text)) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == ',') {
            continue;
        }
        digits += magnitude > 0 || c != '0' ? 1 : 0;
        if (digits > maxDigits) {
            return EntryReading{{}, EntryProblem::TooManyDigits};
        }
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    }
    std::string shown = negative && magnitude > 0 ? "-" : "";
    shown += groupThousands(std::to_string(magnitude));
    const auto value = static_cast<Extended>(magnitude);
    return EntryReading{{negative ? -value : value, std::move(shown)}, EntryProblem::None};
}

} // namespace

EditEntryReader::EditEntryReader()
    : toEdit_(kEditEncoding, "UTF-8") {}

EntryReading EditEntryReader::read(std::string_view text) {
    if (text.empty()) {
        return {{}, EntryProblem::Empty};
    }
    if (auto whole = readWholeNumber(text, kMaxDigits)) {
        return *std::move(whole);
    }
    return readLikeThePaste(text);
}

// As a paste into the edit reads the text (the windows' edits have no leading character) and the
// edit then shows its number.
EntryReading EditEntryReader::readLikeThePaste(std::string_view text) {
    const std::optional<std::u16string> editText = editTextOf(text);
    if (!editText) {
        return {{}, EntryProblem::NotANumber}; // not UTF-8, so no number either
    }
    const auto value = tryParseNumberText(*editText, ' ');
    if (!value || !std::isfinite(*value)) {
        return {{}, EntryProblem::NotANumber};
    }
    if (digitsOf(*value) > kMaxDigits || digitsWritten(toHalfWidth(*editText)) > kMaxDigits) {
        return {{}, EntryProblem::TooManyDigits};
    }
    return {{*value, formatAsAssigned(*value)}, EntryProblem::None};
}

std::optional<std::u16string> EditEntryReader::editTextOf(std::string_view utf8) {
    std::string bytes;
    if (!toEdit_.convert(utf8, bytes, {})) {
        return std::nullopt;
    }
    std::u16string text(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
    return text;
}

} // namespace norvik
