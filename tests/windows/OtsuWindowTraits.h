#pragma once

#include "ScreenReaderView.h"

#include "calc_otsu/unorvikB.h"

#include <QAccessible>

#include <array>

namespace norvik {

// The column-乙 window as the tests of both windows see it.
struct OtsuWindowTraits {
    using Form = TfnorvikB;
    static constexpr const char16_t* kCaption =
        u"源泉徴収税額算出プログラム-電算機計算の特例による月額表乙欄編-Kestwick";

    static constexpr std::array kAmountFields{"alldata", "data1", "data2", "data6", "data11",
                                              "data12",  "data4", "data9", "data5"};
    static constexpr std::array kFormulaFields{"formula2", "formula1",  "formula3",
                                               "formula6", "formula11", "formula12",
                                               "formula4", "formula9",  "formula5"};
    // Fields that show the basic deduction whatever was asked.
    static constexpr std::array kDeductionFields{"data3", "data8"};
    // The line that explains the total: empty until the first request.
    static constexpr const char* kLegendField = "formulaall";
    // Inputs besides the two edits.
    static constexpr std::array<const char*, 0> kOtherInputs{};

    // What Tab reaches in turn, from the salary edit on.
    static constexpr std::array kTabCycle{"NValEdit3", "NValEdit4"};
    static constexpr const char* kFocusAfterRequest = "NValEdit3";

    static constexpr const char* kComputeButton = "IconButton7";
    static constexpr const char* kClearButton = "IconButton3";
    static constexpr const char* kHelpButton = "IconButton6";
    static constexpr const char* kExitButton = "IconButton5";
    static constexpr const char16_t* kComputeMenuItem = u"計　算";
    // Places a right click on opens the popup menu: the edits, the compute button, a result, a
    // group's frame.
    static constexpr std::array kRightClickPlaces{"NValEdit3", "NValEdit4", "IconButton7", "data11",
                                                  "GroupBox3"};

    static constexpr const char* kGoldenFile = NORVIK_GOLDEN_DIR "/otsu_cases.txt";
    static constexpr Announcement kAnnounced[] = {
        {"NValEdit3", u"その月の社会保険料控除後の給与等の金額", QAccessible::EditableText},
        {"NValEdit4", u"扶養家族数", QAccessible::EditableText},
        {"formula5", u"", QAccessible::StaticText},
        {"formulaall", u"", QAccessible::StaticText},
        {"alldata", u"0", QAccessible::StaticText},
    };
};

} // namespace norvik
