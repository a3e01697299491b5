// The keyboard side of the numeric-entry core: typed characters, key-down and Backspace.
#include "controls/nvaledit/rules/NValEditCore.h"

#include "notation/NumberFormat.h"
#include "notation/NumberReader.h"

#include <cmath>

namespace norvik {

namespace {

constexpr char kCtrlC = 3;
constexpr char kCtrlV = 22;
constexpr char kCtrlX = 24;
constexpr char kCtrlZ = 26;

} // namespace

EditCommand NValEditCore::typeChar(char key) {
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
        minusKey();
    } else if (key == '.') {
        pointKey();
    } else if (key >= '0' && key <= '9') {
        digitKey(key - '0');
    }
    return EditCommand::None; // everything else is no part of a number: dropped silently
}

bool NValEditCore::keyDown(EditKey key) {
    switch (key) {
    case EditKey::Back:
        if (!readOnly_) {
            backspaceStep();
        }
        return false;
    case EditKey::Return:
        if (!enterNext_) {
            return true;
        }
        window_.focusNext();
        return false;
    case EditKey::Escape:
        if (!readOnly_) {
            assignValue(state_.entryValue);
        }
        return false;
    case EditKey::Home:
        window_.selectWhole();
        return false;
    case EditKey::Left:
        return false;
    case EditKey::Up:
    case EditKey::Down:
        if (!arrowNext_) {
            return true;
        }
        key == EditKey::Up ? window_.focusPrevious() : window_.focusNext();
        return false;
    case EditKey::Delete:
        if (!readOnly_ && (hasSelection() || delAllClear_)) {
            clearEntry();
        }
        return false;
    case EditKey::Other:
        break;
    }
    return true;
}

// A selection means the next key replaces the whole number.
bool NValEditCore::resetSelection(bool keepSign) {
    if (!hasSelection()) {
        return false;
    }
    value_ = 0;
    state_.decimalCount = 0;
    state_.pointTyped = false;
    state_.digitCount = 0;
    if (!keepSign) {
        state_.minusTyped = false;
    }
    return true;
}

void NValEditCore::clearEntry() {
    value_ = 0;
    state_.decimalCount = 0;
    state_.pointTyped = false;
    state_.digitCount = 0;
    state_.minusTyped = false;
    storeAndShow(0);
}

void NValEditCore::minusKey() {
    if (!prmtNegative_) {
        window_.beep();
        return;
    }
    resetSelection(false);
    state_.minusTyped = !state_.minusTyped;
    storeAndShow(-value_);
}

void NValEditCore::pointKey() {
    if (fixDecimal_ == 0) {
        state_.pointTyped = false;
        state_.decimalCount = 0;
        window_.beep();
        return;
    }
    resetSelection(true);
    if (state_.digitCount >= maxDigits_) {
        window_.beep();
        return;
    }
    if (state_.digitCount == 0) {
        state_.digitCount = 1; // the "0" of "0."
    }
    if (state_.pointTyped) {
        window_.beep();
    } else {
        state_.pointTyped = true;
    }
    storeAndShow(value_);
}

void NValEditCore::digitKey(int digit) {
    if (resetSelection(false)) {
        storeAndShow(0);
    }
    const int keptDecimals = state_.decimalCount;
    const Extended candidate = digitCandidate(digit);
    const int keptDigits = state_.digitCount;
    if (state_.decimalCount == 1 && value_ == 0) {
        state_.digitCount = 2; // the first decimal after "0."
    } else {
        ++state_.digitCount;
    }
    if (refuseDigit(keptDigits, keptDecimals)) {
        window_.beep();
        return;
    }
    // Written and read back: the repeated division by ten leaves binary noise behind.
    const std::string text = formatFixedLeft(candidate, state_.digitCount, state_.decimalCount);
    storeAndShow(readNumber(text).value_or(0));
}

// The number that the digit makes, extending it at its right end. In integer entry the number
// is first brought to a whole one (stored even when the digit is refused later).
Extended NValEditCore::digitCandidate(int digit) {
    if (!state_.pointTyped) {
        value_ = value_ >= 0 ? std::trunc(value_ + 0.5L) : std::trunc(value_ - 0.5L);
        if (value_ == 0 && state_.digitCount == 1) {
            state_.digitCount = 0; // a leading zero is no digit
        }
        return positive() ? value_ * 10 + digit : value_ * 10 - digit;
    }
    ++state_.decimalCount;
    Extended step = digit;
    for (int i = 0; i < state_.decimalCount; ++i) {
        step /= 10;
    }
    return positive() ? value_ + step : value_ - step;
}

bool NValEditCore::refuseDigit(int keptDigits, int keptDecimals) {
    if (state_.digitCount > maxDigits_) {
        state_.digitCount = maxDigits_;
        if (state_.pointTyped) {
            state_.decimalCount = keptDecimals;
        }
        return true;
    }
    if (fixDecimal_ < 0) {
        return false;
    }
    if (!state_.pointTyped && state_.digitCount > maxDigits_ - fixDecimal_) {
        state_.digitCount = maxDigits_ - fixDecimal_;
        return true;
    }
    if (state_.pointTyped && state_.decimalCount > fixDecimal_) {
        state_.decimalCount = fixDecimal_;
        state_.digitCount = keptDigits;
        return true;
    }
    return false;
}

void NValEditCore::backspaceStep() {
    if (hasSelection()) {
        clearEntry();
    }
    if (state_.digitCount <= 0) {
        clearEntry();
        return;
    }
    std::string text = formatFixedLeft(value_, state_.digitCount, state_.decimalCount);
    text.pop_back();
    --state_.digitCount;
    if (state_.decimalCount > 0) {
        --state_.decimalCount;
    } else {
        state_.decimalCount = 0;
        state_.pointTyped = false;
        // The sign goes with the last digit: "-5" leaves an unsigned zero, while "-12" leaves
        // "-1", whose sign the minus key and the next digit read from minusTyped, so it must
        // agree with the number that remains.
        state_.minusTyped = text.size() > 1 && text.front() == '-';
    }
    if (text.empty() || text == "-") {
        storeAndShow(0);
    } else {
        storeAndShow(readNumber(text).value_or(0));
    }
}

} // namespace norvik
