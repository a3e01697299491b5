#pragma once

#include "ScreenReaderView.h"

#include "calc_kou/unorvik.h"

#include <QAccessible>

#include <array>

namespace norvik {

// The column-甲 window as the tests of both windows see it.
struct KouWindowTraits {
    using Form = Tfnorvik;
    static constexpr const char16_t* kCaption =
        u"電算機計算の特例による源泉徴収税額算出-月額表甲欄-Kestwick-";

    static constexpr std::array kAmountFields{"alldata", "data1", "data2", "data3", "data5"};
    static constexpr std::array kFormulaFields{"formula1", "formula2", "formula3", "formula4"};
    // Fields that show the basic deduction whatever was asked.
    static constexpr std::array kDeductionFields{"data4"};
    // The line that names the terms of the formulas: empty until the first request.
    static constexpr const char* kLegendField = "formula5";
    // Inputs besides the two edits.
    static constexpr std::array kOtherInputs{"RadioGroup2"};

    // What Tab reaches in turn, from the salary edit on.
    static constexpr std::array kTabCycle{"NValEdit3", "NValEdit4", "RadioGroup2Item0"};
    static constexpr const char* kFocusAfterRequest = "RadioGroup2Item0";

    static constexpr const char* kComputeButton = "IconButton4";
    static constexpr const char* kClearButton = "IconButton13";
    static constexpr const char* kHelpButton = "IconButton8";
    static constexpr const char* kExitButton = "IconButton7";
    static constexpr const char16_t* kComputeMenuItem = u"計算実行";
    // Places a right click on opens the popup menu: a result, an edit, the spouse choice.
    static constexpr std::array kRightClickPlaces{"data5", "NValEdit3", "RadioGroup2"};

    static constexpr const char* kGoldenFile = NORVIK_GOLDEN_DIR "/kou_cases.txt";
    static constexpr Announcement kAnnounced[] = {
        {"NValEdit3", u"その月の社会保険料控除後の給与等の金額", QAccessible::EditableText},
        {"NValEdit4", u"扶養家族数", QAccessible::EditableText},
        {"RadioGroup2Item0", u"配偶者あり", QAccessible::RadioButton},
        {"RadioGroup2Item1", u"配偶者なし", QAccessible::RadioButton},
        {"formula1", u"", QAccessible::StaticText},
        {"data4", u"31,667", QAccessible::StaticText},
    };
};

} // namespace norvik
