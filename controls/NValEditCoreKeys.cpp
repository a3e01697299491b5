// The keyboard side of the numeric-entry core: typed characters, key-down and Backspace.
#include "controls/NValEditCore.h"

#include "controls/NumberFormat.h"
#include "controls/NumberReader.h"

#include <cmath>

namespace norvik {

namespace {

constexpr char kCtrlC = 3;
constexpr char kCtrlV = 22;
constexpr char kCtrlX = 24;
constexpr char kCtrlZ = 26;

} // namespace

EditCommand NValEditCore::TypeChar(char key) {
    switch (key) {
    case kCtrlC:
        return EditCommand::Copy;
    case kCtrlV:
        return readOnly_ ? EditCommand::None : EditCommand::Paste;
    case kCtrlX:
        return readOnly_ ? EditCommand::None : EditCommand::Cut;
    case kCtrlZ:
        return readOnly_ ? EditCommand::None : EditCommand::Undo;
    default:
        break;
    }
    if (readOnly_) {
        return EditCommand::None;
    }
    if (key == '-') {
        MinusKey();
    } else if (key == '.') {
        PointKey();
    } else if (key >= '0' && key <= '9') {
        DigitKey(key - '0');
    }
    return EditCommand::None; // everything else is no part of a number: dropped silently
}

bool NValEditCore::KeyDown(EditKey key) {
    switch (key) {
    case EditKey::Back:
        if (!readOnly_) {
            BackspaceStep();
        }
        return false;
    case EditKey::Return:
        if (!enterNext_) {
            return true;
        }
        window_.FocusNext();
        return false;
    case EditKey::Escape:
        if (!readOnly_) {
            AssignValue(state_.EntryValue);
        }
        return false;
    case EditKey::Home:
        window_.SelectAll();
        return false;
    case EditKey::Left:
        return false;
    case EditKey::Up:
    case EditKey::Down:
        if (!arrowNext_) {
            return true;
        }
        key == EditKey::Up ? window_.FocusPrevious() : window_.FocusNext();
        return false;
    case EditKey::Delete:
        if (!readOnly_ && (HasSelection() || delAllClear_)) {
            ClearEntry();
        }
        return false;
    case EditKey::Other:
        break;
    }
    return true;
}

// A selection means the next key replaces the whole number.
bool NValEditCore::ResetSelection(bool keepSign) {
    if (!HasSelection()) {
        return false;
    }
    value_ = 0;
    state_.DecimalCount = 0;
    state_.PointTyped = false;
    state_.DigitCount = 0;
    if (!keepSign) {
        state_.MinusTyped = false;
    }
    return true;
}

void NValEditCore::ClearEntry() {
    value_ = 0;
    state_.DecimalCount = 0;
    state_.PointTyped = false;
    state_.DigitCount = 0;
    state_.MinusTyped = false;
    StoreAndShow(0);
}

void NValEditCore::MinusKey() {
    if (!prmtNegative_) {
        window_.Beep();
        return;
    }
    ResetSelection(false);
    state_.MinusTyped = !state_.MinusTyped;
    StoreAndShow(-value_);
}

void NValEditCore::PointKey() {
    if (fixDecimal_ == 0) {
        state_.PointTyped = false;
        state_.DecimalCount = 0;
        window_.Beep();
        return;
    }
    ResetSelection(true);
    if (state_.DigitCount >= maxDigits_) {
        window_.Beep();
        return;
    }
    if (state_.DigitCount == 0) {
        state_.DigitCount = 1; // the "0" of "0."
    }
    if (state_.PointTyped) {
        window_.Beep();
    } else {
        state_.PointTyped = true;
    }
    StoreAndShow(value_);
}

void NValEditCore::DigitKey(int digit) {
    if (ResetSelection(false)) {
        StoreAndShow(0);
    }
    const int keptDecimals = state_.DecimalCount;
    const Extended candidate = DigitCandidate(digit);
    const int keptDigits = state_.DigitCount;
    if (state_.DecimalCount == 1 && value_ == 0) {
        state_.DigitCount = 2; // the first decimal after "0."
    } else {
        ++state_.DigitCount;
    }
    if (RefuseDigit(keptDigits, keptDecimals)) {
        window_.Beep();
        return;
    }
    // Written and read back: the repeated division by ten leaves binary noise behind.
    const std::string text = FormatFixedLeft(candidate, state_.DigitCount, state_.DecimalCount);
    StoreAndShow(ReadNumber(text).value_or(0));
}

// The number that the digit makes, extending it at its right end. In integer entry the number
// is first brought to a whole one (stored even when the digit is refused later).
Extended NValEditCore::DigitCandidate(int digit) {
    if (!state_.PointTyped) {
        value_ = value_ >= 0 ? std::trunc(value_ + 0.5L) : std::trunc(value_ - 0.5L);
        if (value_ == 0 && state_.DigitCount == 1) {
            state_.DigitCount = 0; // a leading zero is no digit
        }
        return Positive() ? value_ * 10 + digit : value_ * 10 - digit;
    }
    ++state_.DecimalCount;
    Extended step = digit;
    for (int i = 0; i < state_.DecimalCount; ++i) {
        step /= 10;
    }
    return Positive() ? value_ + step : value_ - step;
}

bool NValEditCore::RefuseDigit(int keptDigits, int keptDecimals) {
    if (state_.DigitCount > maxDigits_) {
        state_.DigitCount = maxDigits_;
        if (state_.PointTyped) {
            state_.DecimalCount = keptDecimals;
        }
        return true;
    }
    if (fixDecimal_ < 0) {
        return false;
    }
    if (!state_.PointTyped && state_.DigitCount > maxDigits_ - fixDecimal_) {
        state_.DigitCount = maxDigits_ - fixDecimal_;
        return true;
    }
    if (state_.PointTyped && state_.DecimalCount > fixDecimal_) {
        state_.DecimalCount = fixDecimal_;
        state_.DigitCount = keptDigits;
        return true;
    }
    return false;
}

void NValEditCore::BackspaceStep() {
    if (HasSelection()) {
        ClearEntry();
    }
    if (state_.DigitCount <= 0) {
        ClearEntry();
        return;
    }
    std::string text = FormatFixedLeft(value_, state_.DigitCount, state_.DecimalCount);
    text.pop_back();
    --state_.DigitCount;
    if (state_.DecimalCount > 0) {
        --state_.DecimalCount;
    } else {
        state_.DecimalCount = 0;
        state_.PointTyped = false;
        // The sign goes with the last digit: "-5" leaves an unsigned zero, while "-12" leaves
        // "-1", whose sign the minus key and the next digit read from MinusTyped, so it must
        // agree with the number that remains.
        state_.MinusTyped = text.size() > 1 && text.front() == '-';
    }
    if (text.empty() || text == "-") {
        StoreAndShow(0);
    } else {
        StoreAndShow(ReadNumber(text).value_or(0));
    }
}

} // namespace norvik
