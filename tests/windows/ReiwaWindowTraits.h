#pragma once

#include "FormDriver.h"
#include "ScreenReaderView.h"

#include "calc_r/unorvikR.h"

#include <QAccessible>
#include <QDateEdit>

#include <array>

namespace norvik {

// The window for today's withholding as the tests of every window see it. Its worked example
// is paid on a fixed day, whatever today is.
struct ReiwaWindowTraits {
    using Form = TfnorvikR;
    static constexpr const char16_t* kCaption =
        u"源泉徴収税額算出プログラム-令和2年分以降の月額表甲欄・乙欄編-Kestwick";

    static constexpr std::array kAmountFields{"alldata", "tableTax", "deduction", "tax",  "data1",
                                              "data2",   "data3",    "data4",     "data5"};
    static constexpr std::array kFormulaFields{
        "band",     "column",   "tableFormula", "taxFormula", "formula1",
        "formula2", "formula3", "formula4",     "formula5",   "othermethod"};
    static constexpr std::array<const char*, 0> kDeductionFields{};
    // The line that names the tables and the method of the tax shown: empty until a request.
    static constexpr const char* kLegendField = "rulesused";
    // Inputs besides the two edits.
    static constexpr std::array kOtherInputs{"DateTimePicker1", "RadioGroup2", "RadioGroup3"};

    // What Tab reaches in turn, from the salary edit on; the payment date comes first.
    static constexpr std::array kTabCycle{"NValEdit3", "NValEdit4", "RadioGroup2Item0",
                                          "RadioGroup3Item0", "DateTimePicker1"};
    static constexpr const char* kFocusAfterRequest = "RadioGroup2Item0";

    static constexpr const char* kComputeButton = "IconButton4";
    static constexpr const char* kClearButton = "IconButton13";
    static constexpr const char* kHelpButton = "IconButton8";
    static constexpr const char* kExitButton = "IconButton7";
    static constexpr const char16_t* kComputeMenuItem = u"計算実行";
    // Places a right click on opens the popup menu: a result, an edit, both choices, the date.
    static constexpr std::array kRightClickPlaces{"data5", "NValEdit3", "RadioGroup2",
                                                  "RadioGroup3", "band"};

    static constexpr const char* kGoldenFile = NORVIK_GOLDEN_DIR "/reiwa_window_cases.txt";
    static constexpr Announcement kAnnounced[] = {
        {"DateTimePicker1", u"支給日", QAccessible::SpinBox},
        {"NValEdit3", u"その月の社会保険料等控除後の給与等の金額", QAccessible::EditableText},
        {"NValEdit4", u"扶養親族等の数", QAccessible::EditableText},
        {"RadioGroup2Item0", u"甲欄", QAccessible::RadioButton},
        {"RadioGroup2Item1", u"乙欄", QAccessible::RadioButton},
        {"RadioGroup3Item0", u"月額表", QAccessible::RadioButton},
        {"RadioGroup3Item1", u"電算機計算の特例", QAccessible::RadioButton},
        {"alldata", u"税額", QAccessible::StaticText},
        {"formula1", u"", QAccessible::StaticText},
    };

    static void prepare(FormDriver& driver) {
        driver.widget<QDateEdit>("DateTimePicker1")->setDate(QDate(2026, 12, 25));
    }
};

} // namespace norvik
