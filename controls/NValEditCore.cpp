#include "controls/NValEditCore.h"

#include "controls/NValEditDesignError.h"
#include "controls/NumberFormat.h"
#include "controls/NumberReader.h"
#include "controls/ParseNumberText.h"

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

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number formats write ASCII; the window's text is UTF-16.
std::u16string Widened(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

} // namespace

NValEditCore::NValEditCore(NValEditRequests& window)
    : window_(window) {}

// ---- properties

void NValEditCore::SetMaxDigits(int digits) {
    if (digits < kMinDigits || digits > kMaxDigits) {
        Refuse(kMaxDigitsRange);
        return;
    }
    if (digits <= fixDecimal_) {
        Refuse(kMaxDigitsBelowDecimals);
        return;
    }
    const int needed = DigitsNeeded();
    maxDigits_ = digits;
    if (digits >= needed) {
        return;
    }
    if (designMode_) {
        Report(kValueToZero, true);
        AssignValue(0);
    } else {
        AssignValue(value_); // clamps to the new largest magnitude
    }
}

void NValEditCore::SetPrmtNegative(bool permitted) {
    prmtNegative_ = permitted;
    // A typed "-" on a zero is negative too: without this the next digit would still be
    // signed although negative numbers are no longer permitted.
    if (!permitted && (value_ < 0 || state_.MinusTyped)) {
        if (designMode_) {
            Report(kValueToPositive, false);
        }
        AssignValue(-value_);
    }
}

void NValEditCore::SetFixDecimal(int decimals) {
    if (decimals < -1 || decimals >= maxDigits_) {
        if (designMode_) {
            Refuse(kInvalidValue);
            return;
        }
        decimals = decimals < -1 ? -1 : maxDigits_ - 1;
    }
    fixDecimal_ = decimals;
    if (decimals == -1) {
        return;
    }
    const auto count = static_cast<std::size_t>(decimals);
    std::string text = FormatPlain(std::fabs(value_));
    const auto point = text.find('.');
    if (point != std::string::npos) {
        if (designMode_ && text.size() - point - 1 > count) {
            Report(kDecimalsCut, true);
        }
        text.resize(std::min(text.size(), point + 1 + count)); // cut, not rounded
    } else if (decimals > 0) {
        text += '.' + std::string(count, '0');
    }
    const Extended magnitude = ReadNumber(text).value_or(0);
    AssignValue(value_ < 0 ? -magnitude : magnitude);
}

void NValEditCore::SetLeadingChar(unsigned char c) {
    leadingChar_ = c < ' ' ? ' ' : c;
    if (window_.HasParentWindow()) {
        AssignValue(value_);
    }
}

void NValEditCore::SetZeroDisplay(bool shown) {
    zeroDisplay_ = shown;
    StoreAndShow(value_);
}

void NValEditCore::SetValue(Extended value) {
    AssignValue(value);
}

void NValEditCore::SetPutAComma(bool separators) {
    putAComma_ = separators;
    AssignValue(value_);
}

void NValEditCore::SetMinusColor(TColor color) {
    const bool wasDistinct = minusColor_ != state_.PlainColor;
    minusColor_ = color;
    // Rendering leaves the font alone while the two colours are equal; a minus colour still on
    // screen from before must give way to the plain one.
    if (wasDistinct && minusColor_ == state_.PlainColor) {
        window_.ChangeFontColor(state_.PlainColor);
    }
    StoreAndShow(value_);
}

int NValEditCore::DigitsNeeded() const {
    const std::string text = FormatPlain(std::fabs(value_));
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

NValEditCore::Limits NValEditCore::CurrentLimits() const {
    if (fixDecimal_ == -1) {
        return {DecimalPower(1, maxDigits_) - 1, DecimalPower(5, -maxDigits_)};
    }
    return {DecimalPower(1, maxDigits_ - fixDecimal_) - DecimalPower(1, -fixDecimal_),
            DecimalPower(5, -(fixDecimal_ + 1))};
}

void NValEditCore::AssignValue(Extended v) {
    if (std::isnan(v)) {
        v = 0; // a NaN has no digits to show
    }
    state_.MinusTyped = false;
    Extended magnitude = v;
    if (v < 0) {
        magnitude = -v;
        if (prmtNegative_) {
            state_.MinusTyped = true;
        } else if (designMode_) {
            Fail(kNegativeNotPermitted);
        }
    }
    const Limits limits = CurrentLimits();
    state_.DigitCount = maxDigits_;
    state_.DecimalCount = fixDecimal_ == -1 ? 0 : fixDecimal_;
    if (magnitude < limits.halfUnit) {
        state_.DigitCount = 0;
        state_.DecimalCount = 0;
        state_.PointTyped = false;
        value_ = state_.MinusTyped ? -magnitude : magnitude; // the tiny number itself stays
        ShowValue(0);
        return;
    }
    if (magnitude >= limits.maxMagnitude) {
        if (designMode_ && magnitude > limits.maxMagnitude) {
            Fail(kBeyondLargest);
        }
        magnitude = limits.maxMagnitude;
    }
    DeriveCounts(magnitude);
    StoreAndShow(state_.MinusTyped ? -magnitude : magnitude);
}

// The counts follow the number's plain decimal text; only the counts are cut to the limits,
// the number keeps all its decimals.
void NValEditCore::DeriveCounts(Extended magnitude) {
    std::string text = FormatPlain(magnitude);
    auto point = text.find('.');
    const auto digitsWithPoint = static_cast<std::size_t>(maxDigits_) + 1;
    if (point != std::string::npos && text.size() > digitsWithPoint) {
        if (designMode_) {
            Fail(kTooManyDigits);
        }
        text = FormatPlain(ReadNumber(text.substr(0, digitsWithPoint)).value_or(0));
        point = text.find('.');
    }
    state_.DigitCount = static_cast<int>(text.size());
    if (point == std::string::npos) {
        state_.DecimalCount = fixDecimal_ == -1 ? 0 : fixDecimal_;
        state_.DigitCount += state_.DecimalCount;
    } else {
        const int position = static_cast<int>(point) + 1;
        const int decimals = state_.DigitCount - position;
        if (fixDecimal_ == -1) {
            state_.DecimalCount = decimals;
        } else {
            if (designMode_ && fixDecimal_ < decimals) {
                Fail(kTooManyDecimals);
            }
            state_.DecimalCount = fixDecimal_;
        }
        state_.DigitCount = position + state_.DecimalCount - 1;
    }
    state_.PointTyped = state_.DecimalCount > 0;
}

void NValEditCore::StoreAndShow(Extended x) {
    value_ = x;
    ShowValue(x);
}

void NValEditCore::ShowValue(Extended x) {
    if (reading_) {
        return;
    }
    ShowFontColorFor(x);
    if (x == 0 && !state_.PointTyped) {
        state_.DecimalCount = 0;
        state_.DigitCount = 0;
    }
    const std::u16string text = Rendering(x);
    if (text != window_.CurrentText()) {
        window_.ShowText(text);
        ReportChange();
    }
    rendered_ = true;
    window_.CaretTo(static_cast<int>(text.size()));
}

std::u16string NValEditCore::Rendering(Extended x) const {
    std::string body;
    if (x == 0 && !state_.PointTyped) {
        body = zeroDisplay_ ? "0" : "";
    } else {
        body = putAComma_ ? FormatNumber(x, state_.DigitCount, state_.DecimalCount)
                          : FormatFixed(x, state_.DigitCount, state_.DecimalCount);
        if (state_.PointTyped && state_.DecimalCount == 0 && state_.DigitCount < maxDigits_) {
            body += '.';
        }
    }
    body = TrimBlanks(body);
    if (state_.MinusTyped && body.find('-') == std::string::npos) {
        body.insert(0, "-");
    }
    std::u16string text = Widened(body);
    if (leadingChar_ > ' ' && (zeroDisplay_ || x != 0 || state_.MinusTyped || state_.PointTyped)) {
        text.insert(0, 1, static_cast<char16_t>(leadingChar_)); // Latin-1 is the first 256 units
    }
    return text;
}

void NValEditCore::ShowFontColorFor(Extended x) {
    if (minusColor_ == state_.PlainColor) {
        return;
    }
    window_.ChangeFontColor(x < 0 || state_.MinusTyped ? minusColor_ : state_.PlainColor);
}

void NValEditCore::ReportChange() {
    if (!changeDetached_) {
        window_.ReportChange();
    }
}

// ---- clipboard, text and focus

void NValEditCore::Paste(const std::optional<std::u16string>& clipboardText) {
    // Read-only means no key changes the number, whichever key sequence asks for the paste.
    if (readOnly_) {
        return;
    }
    AssignValue(clipboardText ? ParseNumberText(*clipboardText, leadingChar_) : 0);
}

void NValEditCore::CutOrClear() {
    if (readOnly_) {
        return;
    }
    AssignValue(0);
}

void NValEditCore::Undo() {
    if (readOnly_) {
        return;
    }
    AssignValue(ParseNumberText(window_.CurrentText(), leadingChar_));
}

void NValEditCore::TextChanged() {
    if (reading_) {
        return;
    }
    ReportChange();
    if (rendered_ && window_.HasParentWindow()) {
        AssignValue(ParseNumberText(window_.CurrentText(), leadingChar_));
        window_.CaretTo(static_cast<int>(window_.CurrentText().size()));
    }
}

void NValEditCore::FocusGained(bool byMouse) {
    state_.MouseActivated = state_.MouseActivated || byMouse;
    state_.EntryValue = value_;
    if (autoSelect_ && !state_.MouseActivated) {
        window_.SelectAll();
    }
    state_.MouseActivated = false;
}

void NValEditCore::FocusLost() {
    state_.EntryValue = value_;
    state_.MouseActivated = false;
    AssignValue(value_);
}

void NValEditCore::DoubleClick() {
    state_.DoubleClicked = true;
}

void NValEditCore::MouseReleased() {
    if (!state_.DoubleClicked) {
        const auto length = static_cast<int>(window_.CurrentText().size());
        const bool wholeText = window_.SelectionStart() == 0 && window_.SelectionLength() == length;
        window_.CaretTo(length);
        if (wholeText) {
            window_.SelectAll();
        }
    }
    state_.DoubleClicked = false;
}

void NValEditCore::FontColorChanged(TColor color) {
    const bool negative = value_ < 0 || state_.MinusTyped;
    if (color == state_.PlainColor && !negative) {
        return;
    }
    if (state_.PlainColor == minusColor_) {
        // Without a distinct minus colour the minus colour follows the font. The plain colour
        // is taken first: through the property, rendering would otherwise put the old plain
        // colour back on screen.
        state_.PlainColor = color;
        if (designMode_) {
            SetMinusColor(color);
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
            window_.ChangeFontColor(minusColor_);
            state_.PlainColor = color;
        }
        return;
    }
    state_.PlainColor = color;
}

void NValEditCore::Loaded() {
    reading_ = false;
    state_.PointTyped = false;
    state_.DecimalCount = 0;
    state_.DigitCount = 0;
    state_.MinusTyped = false;
    state_.MouseActivated = false;
    state_.DoubleClicked = false;
    rendered_ = false;
    changeDetached_ = true; // the first rendering is no change
    try {
        AssignValue(value_);
    } catch (...) {
        changeDetached_ = false; // a design-mode error ends the operation
        throw;
    }
    changeDetached_ = false;
    state_.EntryValue = value_;
}

// ---- design-mode reports

void NValEditCore::Refuse(const char* designMessage) {
    if (designMode_) {
        Report(designMessage, true);
    }
}

void NValEditCore::Report(const char* message, bool beep) {
    if (reporter_ == nullptr) {
        return;
    }
    if (beep) {
        reporter_->Beep();
    }
    reporter_->ShowMessage(message);
}

void NValEditCore::Fail(const char* message) const {
    throw NValEditDesignError(message);
}

} // namespace norvik
