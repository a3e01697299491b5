#include "money/NumberText.h"

namespace norvik {

namespace {

constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324"
                               "25262728293031323334353637383940414243444546474849"
                               "50515253545556575859606162636465666768697071727374"
                               "75767778798081828384858687888990919293949596979899";

class GroupedPrepender {
public:
    GroupedPrepender(NumberText& text, bool separators)
        : text_(text)
        , separators_(separators) {}

    void digit(char d) {
        if (separators_ && inGroup_ == 3) {
            text_.prepend(',');
            inGroup_ = 0;
        }
        text_.prepend(d);
        ++inGroup_;
    }

private:
    NumberText& text_;
    bool separators_;
    int inGroup_ = 0;
};

} // namespace

void NumberText::prependDigits(std::uint64_t value, bool separators) {
    // Two digits per division: formatting amounts is most of the cost of a result set.
    GroupedPrepender out(*this, separators);
    while (value >= 100) {
        const auto pair = static_cast<std::size_t>(value % 100) * 2;
        value /= 100;
        out.digit(kDigitPairs[pair + 1]);
        out.digit(kDigitPairs[pair]);
    }
    if (value >= 10) {
        const auto pair = static_cast<std::size_t>(value) * 2;
        out.digit(kDigitPairs[pair + 1]);
        out.digit(kDigitPairs[pair]);
    } else {
        out.digit(static_cast<char>('0' + value));
    }
}

} // namespace norvik
