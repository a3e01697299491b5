#pragma once

#include "controls/NValEditDesignReporter.h"
#include "controls/NValEditRequests.h"
#include "controls/NValEditState.h"
#include "controls/TColor.h"
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

    int MaxDigits() const { return maxDigits_; }
    void SetMaxDigits(int digits);
    bool PrmtNegative() const { return prmtNegative_; }
    void SetPrmtNegative(bool permitted);
    int FixDecimal() const { return fixDecimal_; }
    void SetFixDecimal(int decimals);
    bool DelAllClear() const { return delAllClear_; }
    void SetDelAllClear(bool clears) { delAllClear_ = clears; }
    unsigned char LeadingChar() const { return leadingChar_; }
    void SetLeadingChar(unsigned char c);
    bool ZeroDisplay() const { return zeroDisplay_; }
    void SetZeroDisplay(bool shown);
    Extended Value() const { return value_; }
    void SetValue(Extended value);
    bool PutAComma() const { return putAComma_; }
    void SetPutAComma(bool separators);
    bool EnterNext() const { return enterNext_; }
    void SetEnterNext(bool moves) { enterNext_ = moves; }
    bool ArrowNext() const { return arrowNext_; }
    void SetArrowNext(bool moves) { arrowNext_ = moves; }
    TColor MinusColor() const { return minusColor_; }
    void SetMinusColor(TColor color);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool selects) { autoSelect_ = selects; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    bool DesignMode() const { return designMode_; }
    void SetDesignMode(bool designing) { designMode_ = designing; }
    // Not owned; nullptr drops the reports.
    void SetDesignReporter(NValEditDesignReporter* reporter) { reporter_ = reporter; }

    const NValEditState& State() const { return state_; }
    // The text that rendering `x` under the current entry state and properties produces.
    std::u16string Rendering(Extended x) const;

    // The window's events.
    EditCommand TypeChar(char key); // after the host's key-press handler
    bool KeyDown(EditKey key);      // true: the key is passed on to the edit
    void Paste(const std::optional<std::u16string>& clipboardText);
    void CutOrClear(); // after the edit put the selection on the clipboard
    void Undo();
    void TextChanged(); // the edit's text was written from outside
    void FocusGained(bool byMouse);
    void FocusLost();
    void DoubleClick();
    void MouseReleased();
    void FontColorChanged(TColor color);
    // Whether Enter and Esc are the box's own keys rather than the form's dialog keys.
    bool WantsDialogKeys() const { return enterNext_; }

    // Stored layout: while reading nothing renders and no change is reported.
    void BeginLoading() { reading_ = true; }
    void Loaded();

private:
    struct Limits {
        Extended maxMagnitude;
        Extended halfUnit;
    };

    Limits CurrentLimits() const;
    void AssignValue(Extended v);
    void DeriveCounts(Extended magnitude);
    void StoreAndShow(Extended x);
    void ShowValue(Extended x);
    void ShowFontColorFor(Extended x);
    void ReportChange();

    void MinusKey();
    void PointKey();
    void DigitKey(int digit);
    Extended DigitCandidate(int digit);
    bool RefuseDigit(int keptDigits, int keptDecimals);
    void BackspaceStep();
    void ClearEntry();
    bool ResetSelection(bool keepSign);
    bool HasSelection() const { return window_.SelectionLength() > 0; }
    bool Positive() const { return value_ >= 0 && !state_.MinusTyped; }
    int DigitsNeeded() const;

    void Refuse(const char* designMessage);
    void Report(const char* message, bool beep);
    [[noreturn]] void Fail(const char* message) const;

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
