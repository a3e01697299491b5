#pragma once

#include "controls/gdi/geometry/TColor.h"
#include "controls/nvaledit/rules/NValEditDesignReporter.h"
#include "controls/nvaledit/rules/NValEditRequests.h"
#include "controls/nvaledit/rules/NValEditState.h"
#include "money/Extended.h"

#include <optional>
#include <string>

namespace norvik {

// The keys whose key-down the numeric edit handles itself.
enum class EditKey { Back, Return, Escape, Home, Left, Up, Down, Delete, Other };

// What a typed control character asks the window's edit to do.
enum class EditCommand { None, Copy, Paste, Cut, Undo };

// The numeric edit without its window: the number, the entry state, and every rule for
// rendering, typing, clipboard and focus. Calculator-style entry: digits always extend the
// number at its right end and the text is rendered again from the number after each keystroke.
class NValEditCore {
public:
    explicit NValEditCore(NValEditRequests& window);
    NValEditCore(const NValEditCore&) = delete;
    NValEditCore& operator=(const NValEditCore&) = delete;

    int maxDigits() const { return maxDigits_; }
    void setMaxDigits(int digits);
    bool prmtNegative() const { return prmtNegative_; }
    void setPrmtNegative(bool permitted);
    int fixDecimal() const { return fixDecimal_; }
    void setFixDecimal(int decimals);
    bool delAllClear() const { return delAllClear_; }
    void setDelAllClear(bool clears) { delAllClear_ = clears; }
    unsigned char leadingChar() const { return leadingChar_; }
    void setLeadingChar(unsigned char c);
    bool zeroDisplay() const { return zeroDisplay_; }
    void setZeroDisplay(bool shown);
    Extended value() const { return value_; }
    void setValue(Extended value);
    bool putAComma() const { return putAComma_; }
    void setPutAComma(bool separators);
    bool enterNext() const { return enterNext_; }
    void setEnterNext(bool moves) { enterNext_ = moves; }
    bool arrowNext() const { return arrowNext_; }
    void setArrowNext(bool moves) { arrowNext_ = moves; }
    TColor minusColor() const { return minusColor_; }
    void setMinusColor(TColor color);
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool selects) { autoSelect_ = selects; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    bool designMode() const { return designMode_; }
    void setDesignMode(bool designing) { designMode_ = designing; }
    // Not owned; nullptr drops the reports.
    void setDesignReporter(NValEditDesignReporter* reporter) { reporter_ = reporter; }

    const NValEditState& state() const { return state_; }
    // The text that rendering `x` under the current entry state and properties produces.
    std::u16string rendering(Extended x) const;

    // The window's events; the keyboard's are in NValEditCore-keys.cpp.
    EditCommand typeChar(char key); // after the host's key-press handler
    bool keyDown(EditKey key);      // true: the key is passed on to the edit
    void paste(const std::optional<std::u16string>& clipboardText);
    void cutOrClear(); // after the edit put the selection on the clipboard
    void undo();
    void textChanged(); // the edit's text was written from outside
    void focusGained(bool byMouse);
    void focusLost();
    void doubleClick();
    void mouseReleased();
    void fontColorChanged(TColor color);
    // Whether Enter and Esc are the box's own keys rather than the form's dialog keys.
    bool wantsDialogKeys() const { return enterNext_; }

    // Stored layout: while reading nothing renders and no change is reported.
    void beginLoading() { reading_ = true; }
    void loaded();

private:
    struct Limits {
        Extended maxMagnitude;
        Extended halfUnit;
    };

    Limits currentLimits() const;
    void assignValue(Extended v);
    void deriveCounts(Extended magnitude);
    void storeAndShow(Extended x);
    void showValue(Extended x);
    void showFontColorFor(Extended x);
    void reportChange();

    void minusKey();
    void pointKey();
    void digitKey(int digit);
    Extended digitCandidate(int digit);
    bool refuseDigit(int keptDigits, int keptDecimals);
    void backspaceStep();
    void clearEntry();
    bool resetSelection(bool keepSign);
    bool hasSelection() const { return window_.selectedLength() > 0; }
    bool positive() const { return value_ >= 0 && !state_.minusTyped; }
    int digitsNeeded() const;

    void refuse(const char* designMessage);
    void report(const char* message, bool beep);
    [[noreturn]] void fail(const char* message) const;

    NValEditRequests& window_;
    NValEditDesignReporter* reporter_ = nullptr;
    NValEditState state_;

    int maxDigits_ = 9;
    bool prmtNegative_ = true;
    int fixDecimal_ = -1;
    bool delAllClear_ = false;
    unsigned char leadingChar_ = ' ';
    bool zeroDisplay_ = false;
    Extended value_ = 0;
    bool putAComma_ = true;
    bool enterNext_ = false;
    bool arrowNext_ = false;
    TColor minusColor_ = clWindowText;
    bool autoSelect_ = true;
    bool readOnly_ = false;

    bool designMode_ = false;
    bool reading_ = false;
    // The box shows its own text: from then on a text written from outside is read as a number.
    bool rendered_ = false;
    bool changeDetached_ = false;
};

} // namespace norvik
