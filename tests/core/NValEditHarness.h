#pragma once

#include "FakeEditWindow.h"
#include "controls/nvaledit/rules/NValEditCore.h"

#include <optional>
#include <string>
#include <vector>

namespace norvik {

// Properties as a stored layout would give them (the windows' boxes show zero).
struct NValEditConfig {
    int maxDigits = 9;
    int fixDecimal = -1;
    bool zeroDisplay = true;
    bool prmtNegative = true;
    bool putAComma = true;
    unsigned char leadingChar = ' ';
    bool delAllClear = false;
    Extended value = 0;
};

// A numeric-entry core on a fake window, driven by keystroke scripts: tokens separated by
// blanks, each a typed character ("0"-"9", ".", "-", or "^V" style control characters) or a
// named action: BS DEL ESC HOME LEFT ENTER UP DOWN (keys), SEL (select all), IN, OUT (focus),
// CLICK (focus by mouse).
struct NValEditHarness {
    NValEditHarness();
    // Sets the properties, finishes loading (the first rendering) and gains the focus by mouse,
    // so that nothing is selected.
    explicit NValEditHarness(const NValEditConfig& config);

    // Runs the script and returns the text shown after each token.
    std::vector<std::u16string> run(const std::string& script);
    void step(const std::string& token);

    FakeEditWindow window;
    NValEditCore core{window};
};

// Several values joined by " | " for readable failure messages.
std::u16string joined(const std::vector<std::u16string>& texts);

} // namespace norvik
