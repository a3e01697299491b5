#include "controls/nvaledit/rules/NValEditCore.h"

#include "controls/nvaledit/rules/NValEditDesignError.h"
#include "notation/NumberFormat.h"
#include "notation/NumberReader.h"
#include "notation/ParseNumberText.h"

#include <cmath>

namespace norvik {

namespace {

constexpr const char* kNegativeNotPermitted = "PrmtNegative と矛盾します";
constexpr const char* kBeyondLargest = "MaxDigits, FixDecimal と矛盾します";
constexpr const char* kTooManyDigits = "MaxDigits と矛盾します";
constexpr const char* kTooManyDecimals = "FixDecimal と矛盾します";
constexpr const char* kMaxDigitsRange = "MaxDigits は 1 から 15 までです。";
constexpr const char* kMaxDigitsBelowDecimals = "小数桁指定と矛盾しています";
constexpr const char* kValueToZero = "最大桁数を超えるため Value をゼロにします";
constexpr const char* kValueToPositive = "Value を正の数に変換します";
constexpr const char* kInvalidValue = "値が不正です";
constexpr const char* kDecimalsCut = "Value の小数桁数を指定桁数に変更します";

constexpr int kMinDigits = 1;
constexpr int kMaxDigits = 15;

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number formats write ASCII; the window's text is UTF-16.
std::u16string widened(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

} // namespace

NValEditCore::NValEditCore(NValEditRequests& window)
    : window_(window) {}

// ---- properties

void NValEditCore::setMaxDigits(int digits) {
    if (digits < kMinDigits || digits > kMaxDigits) {
        refuse(kMaxDigitsRange);
        return;
    }
    if (digits <= fixDecimal_) {
        refuse(kMaxDigitsBelowDecimals);
        return;
    }
    const int needed = digitsNeeded();
    maxDigits_ = digits;
    if (digits >= needed) {
        return;
    }
    if (designMode_) {
        report(kValueToZero, true);
        assignValue(0);
    } else {
        assignValue(value_); // clamps to the new largest magnitude
    }
}

void NValEditCore::setPrmtNegative(bool permitted) {
    prmtNegative_ = permitted;
    // A typed "-" on a zero is negative too: without this the next digit would still be
    // signed although negative numbers are no longer permitted.
    if (!permitted && (value_ < 0 || state_.minusTyped)) {
        if (designMode_) {
            report(kValueToPositive, false);
        }
        assignValue(-value_);
    }
}

void NValEditCore::setFixDecimal(int decimals) {
    if (decimals < -1 || decimals >= maxDigits_) {
        if (designMode_) {
            refuse(kInvalidValue);
            return;
        }
        decimals = decimals < -1 ? -1 : maxDigits_ - 1;
    }
    fixDecimal_ = decimals;
    if (decimals == -1) {
        return;
    }
    const auto count = static_cast<std::size_t>(decimals);
    std::string text = formatPlain(std::fabs(value_));
    const auto point = text.find('.');
    if (point != std::string::npos) {
        if (designMode_ && text.size() - point - 1 > count) {
            report(kDecimalsCut, true);
        }
        text.resize(std::min(text.size(), point + 1 + count)); // cut, not rounded
    } else if (decimals > 0) {
        text += '.' + std::string(count, '0');
    }
    const Extended magnitude = readNumber(text).value_or(0);
    assignValue(value_ < 0 ? -magnitude : magnitude);
}

void NValEditCore::setLeadingChar(unsigned char c) {
    leadingChar_ = c < ' ' ? ' ' : c;
    if (window_.hasParentWindow()) {
        assignValue(value_);
    }
}

void NValEditCore::setZeroDisplay(bool shown) {
    zeroDisplay_ = shown;
    storeAndShow(value_);
}

void NValEditCore::setValue(Extended value) {
    assignValue(value);
}

void NValEditCore::setPutAComma(bool separators) {
    putAComma_ = separators;
    assignValue(value_);
}

void NValEditCore::setMinusColor(TColor color) {
    const bool wasDistinct = minusColor_ != state_.plainColor;
    minusColor_ = color;
    // Rendering leaves the font alone while the two colours are equal; a minus colour still on
    // screen from before must give way to the plain one.
    if (wasDistinct && minusColor_ == state_.plainColor) {
        window_.changeFontColor(state_.plainColor);
    }
    storeAndShow(value_);
}

int NValEditCore::digitsNeeded() const {
    const std::string text = formatPlain(std::fabs(value_));
    const auto point = text.find('.');
    int digits = static_cast<int>(text.size());
    int decimals = 0;
    if (point != std::string::npos) {
        --digits;
        decimals = static_cast<int>(text.size() - point - 1);
    }
    if (fixDecimal_ > decimals) {
        digits += fixDecimal_ - decimals;
    }
    return digits;
}

// ---- value assignment and rendering

NValEditCore::Limits NValEditCore::currentLimits() const {
    if (fixDecimal_ == -1) {
        return {decimalPower(1, maxDigits_) - 1, decimalPower(5, -maxDigits_)};
    }
    return {decimalPower(1, maxDigits_ - fixDecimal_) - decimalPower(1, -fixDecimal_),
            decimalPower(5, -(fixDecimal_ + 1))};
}

void NValEditCore::assignValue(Extended v) {
    if (std::isnan(v)) {
        v = 0; // a NaN has no digits to show
    }
    state_.minusTyped = false;
    Extended magnitude = v;
    if (v < 0) {
        magnitude = -v;
        if (prmtNegative_) {
            state_.minusTyped = true;
        } else if (designMode_) {
            fail(kNegativeNotPermitted);
        }
    }
    const Limits limits = currentLimits();
    state_.digitCount = maxDigits_;
    state_.decimalCount = fixDecimal_ == -1 ? 0 : fixDecimal_;
    if (magnitude < limits.halfUnit) {
        state_.digitCount = 0;
        state_.decimalCount = 0;
        state_.pointTyped = false;
        value_ = state_.minusTyped ? -magnitude : magnitude; // the tiny number itself stays
        showValue(0);
        return;
    }
    if (magnitude >= limits.maxMagnitude) {
        if (designMode_ && magnitude > limits.maxMagnitude) {
            fail(kBeyondLargest);
        }
        magnitude = limits.maxMagnitude;
    }
    deriveCounts(magnitude);
    storeAndShow(state_.minusTyped ? -magnitude : magnitude);
}

// The counts follow the number's plain decimal text; only the counts are cut to the limits,
// the number keeps all its decimals.
void NValEditCore::deriveCounts(Extended magnitude) {
    std::string text = formatPlain(magnitude);
    auto point = text.find('.');
    const auto digitsWithPoint = static_cast<std::size_t>(maxDigits_) + 1;
    if (point != std::string::npos && text.size() > digitsWithPoint) {
        if (designMode_) {
            fail(kTooManyDigits);
        }
        text = formatPlain(readNumber(text.substr(0, digitsWithPoint)).value_or(0));
        point = text.find('.');
    }
    state_.digitCount = static_cast<int>(text.size());
    if (point == std::string::npos) {
        state_.decimalCount = fixDecimal_ == -1 ? 0 : fixDecimal_;
        state_.digitCount += state_.decimalCount;
    } else {
        const int position = static_cast<int>(point) + 1;
        const int decimals = state_.digitCount - position;
        if (fixDecimal_ == -1) {
            state_.decimalCount = decimals;
        } else {
            if (designMode_ && fixDecimal_ < decimals) {
                fail(kTooManyDecimals);
            }
            state_.decimalCount = fixDecimal_;
        }
        state_.digitCount = position + state_.decimalCount - 1;
    }
    state_.pointTyped = state_.decimalCount > 0;
}

void NValEditCore::storeAndShow(Extended x) {
    value_ = x;
    showValue(x);
}

void NValEditCore::showValue(Extended x) {
    if (reading_) {
        return;
    }
    showFontColorFor(x);
    if (x == 0 && !state_.pointTyped) {
        state_.decimalCount = 0;
        state_.digitCount = 0;
    }
    const std::u16string text = rendering(x);
    if (text != window_.currentText()) {
        window_.showText(text);
        reportChange();
    }
    rendered_ = true;
    window_.caretTo(static_cast<int>(text.size()));
}

std::u16string NValEditCore::rendering(Extended x) const {
    std::string body;
    if (x == 0 && !state_.pointTyped) {
        body = zeroDisplay_ ? "0" : "";
    } else {
        body = putAComma_ ? formatNumber(x, state_.digitCount, state_.decimalCount)
                          : formatFixed(x, state_.digitCount, state_.decimalCount);
        if (state_.pointTyped && state_.decimalCount == 0 && state_.digitCount < maxDigits_) {
            body += '.';
        }
    }
    body = trimBlanks(body);
    if (state_.minusTyped && body.find('-') == std::string::npos) {
        body.insert(0, "-");
    }
    std::u16string text = widened(body);
    if (leadingChar_ > ' ' && (zeroDisplay_ || x != 0 || state_.minusTyped || state_.pointTyped)) {
        text.insert(0, 1, static_cast<char16_t>(leadingChar_)); // Latin-1 is the first 256 units
    }
    return text;
}

void NValEditCore::showFontColorFor(Extended x) {
    if (minusColor_ == state_.plainColor) {
        return;
    }
    window_.changeFontColor(x < 0 || state_.minusTyped ? minusColor_ : state_.plainColor);
}

void NValEditCore::reportChange() {
    if (!changeDetached_) {
        window_.reportChange();
    }
}

// ---- clipboard, text and focus

void NValEditCore::paste(const std::optional<std::u16string>& clipboardText) {
    // Read-only means no key changes the number, whichever key sequence asks for the paste.
    if (readOnly_) {
        return;
    }
    assignValue(clipboardText ? parseNumberText(*clipboardText, leadingChar_) : 0);
}

void NValEditCore::cutOrClear() {
    if (readOnly_) {
        return;
    }
    assignValue(0);
}

void NValEditCore::undo() {
    if (readOnly_) {
        return;
    }
    assignValue(parseNumberText(window_.currentText(), leadingChar_));
}

void NValEditCore::textChanged() {
    if (reading_) {
        return;
    }
    reportChange();
    if (rendered_ && window_.hasParentWindow()) {
        assignValue(parseNumberText(window_.currentText(), leadingChar_));
        window_.caretTo(static_cast<int>(window_.currentText().size()));
    }
}

void NValEditCore::focusGained(bool byMouse) {
    state_.mouseActivated = state_.mouseActivated || byMouse;
    state_.entryValue = value_;
    if (autoSelect_ && !state_.mouseActivated) {
        window_.selectWhole();
    }
    state_.mouseActivated = false;
}

void NValEditCore::focusLost() {
    state_.entryValue = value_;
    state_.mouseActivated = false;
    assignValue(value_);
}

void NValEditCore::doubleClick() {
    state_.doubleClicked = true;
}

void NValEditCore::mouseReleased() {
    if (!state_.doubleClicked) {
        const auto length = static_cast<int>(window_.currentText().size());
        const bool wholeText = window_.selectedFrom() == 0 && window_.selectedLength() == length;
        window_.caretTo(length);
        if (wholeText) {
            window_.selectWhole();
        }
    }
    state_.doubleClicked = false;
}

void NValEditCore::fontColorChanged(TColor color) {
    const bool negative = value_ < 0 || state_.minusTyped;
    if (color == state_.plainColor && !negative) {
        return;
    }
    if (state_.plainColor == minusColor_) {
        // Without a distinct minus colour the minus colour follows the font. The plain colour
        // is taken first: through the property, rendering would otherwise put the old plain
        // colour back on screen.
        state_.plainColor = color;
        if (designMode_) {
            setMinusColor(color);
        } else {
            minusColor_ = color;
        }
        return;
    }
    if (negative) {
        // The minus colour stays on screen; a new colour is kept for the positive numbers. A
        // notification that repeats the minus colour (another font attribute changed) is no
        // new plain colour.
        if (color != minusColor_) {
            window_.changeFontColor(minusColor_);
            state_.plainColor = color;
        }
        return;
    }
    state_.plainColor = color;
}

void NValEditCore::loaded() {
    reading_ = false;
    state_.pointTyped = false;
    state_.decimalCount = 0;
    state_.digitCount = 0;
    state_.minusTyped = false;
    state_.mouseActivated = false;
    state_.doubleClicked = false;
    rendered_ = false;
    changeDetached_ = true; // the first rendering is no change
    try {
        assignValue(value_);
    } catch (...) {
        changeDetached_ = false; // a design-mode error ends the operation
        throw;
    }
    changeDetached_ = false;
    state_.entryValue = value_;
}

// ---- design-mode reports

void NValEditCore::refuse(const char* designMessage) {
    if (designMode_) {
        report(designMessage, true);
    }
}

void NValEditCore::report(const char* message, bool beep) {
    if (reporter_ == nullptr) {
        return;
    }
    if (beep) {
        reporter_->beep();
    }
    reporter_->showMessage(message);
}

void NValEditCore::fail(const char* message) const {
    throw NValEditDesignError(message);
}

} // namespace norvik
