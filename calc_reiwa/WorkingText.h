#pragma once

#include "money/AmountText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace norvik {

// A text of a table's working built in place: the amounts go in with their thousands separators
// and need no string of their own.
class WorkingText {
public:
    WorkingText() { text_.reserve(64); }

    WorkingText& operator<<(std::string_view part) {
        text_.append(part);
        return *this;
    }
    WorkingText& operator<<(std::int64_t amount) {
        appendAmountText(text_, amount);
        return *this;
    }
    // "40.84%", "3.063%", "0%": a rate in hundred-thousandths as the tables print it.
    WorkingText& percent(std::int64_t rate) {
        *this << rate / 1000;
        char decimals[] = {'.', digit(rate / 100), digit(rate / 10), digit(rate)};
        std::size_t length = sizeof decimals;
        while (decimals[length - 1] == '0') {
            --length;
        }
        if (length > 1) {
            text_.append(decimals, length);
        }
        return *this << "%";
    }

    std::string take() { return std::move(text_); }

private:
    static char digit(std::int64_t value) { return static_cast<char>('0' + value % 10); }

    std::string text_;
};

} // namespace norvik
