#include "NValEditConfigs.h"
#include "controls/nvaledit/rules/NValEditDesignError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace norvik {
namespace {

struct AssignmentCase {
    const char* name;
    NValEditConfig config;
    Extended value;
    const char16_t* shown;
    Extended valueAfter;
};

TEST(NValEditValue, AssignmentRendersTheNumber) {
    const NValEditConfig positive = nonNegative();
    const NValEditConfig plain = withoutSeparators();
    const NValEditConfig yen = withLeadingChar('\\');
    const NValEditConfig yenNoZero = withLeadingChar('\\', false);
    const NValEditConfig noZero = withoutZeroDisplay();
    NValEditConfig fifteen;
    fifteen.maxDigits = 15;
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended infinity = std::numeric_limits<Extended>::infinity();
    const AssignmentCase cases[] = {
        {"separators every three digits", {}, 250000, u"250,000", 250000},
        {"seven digits", {}, 1234567, u"1,234,567", 1234567},
        {"one digit", {}, 2, u"2", 2},
        {"zero under ZeroDisplay", {}, 0, u"0", 0},
        {"zero without ZeroDisplay", noZero, 0, u"", 0},
        {"negative", {}, -1500, u"-1,500", -1500},
        {"free decimals", {}, 1234.5L, u"1,234.5", 1234.5L},
        {"too large clamps to nine nines", {}, 1e10L, u"999,999,999", 999999999},
        {"too small a negative clamps too", {}, -1e10L, u"-999,999,999", -999999999},
        {"a tiny magnitude shows zero and stays", {}, 0.000000001L, u"0", 0.000000001L},
        {"a tiny negative shows a signed zero", {}, -0.000000001L, u"-0", -0.000000001L},
        {"a negative number becomes positive when negatives are not permitted", positive, -5, u"5",
         5},
        {"fixed decimals round only the text", fixed(2), 1.239L, u"1.24", 1.239L},
        {"fixed decimals pad a whole number", fixed(2), 12, u"12.00", 12},
        {"no decimals round the text", fixed(0), 12.7L, u"13", 12.7L},
        {"a half rounds away from zero in the text", fixed(1), -0.25L, u"-0.3", -0.25L},
        {"below half a unit of the fixed decimals is zero", fixed(1), 0.04L, u"0", 0.04L},
        {"half a unit of the fixed decimals shows", fixed(1), 0.05L, u"0.1", 0.05L},
        {"more decimals than digits: only the counts are cut",
         {},
         0.1234567891L,
         u"0.12345679",
         0.1234567891L},
        {"a half after nine digits rounds up in the text",
         {},
         123456789.5L,
         u"123,456,790",
         123456789.5L},
        {"PutAComma false", plain, 250000, u"250000", 250000},
        {"a leading character", yen, 1000, u"\\1,000", 1000},
        {"a leading character before zero under ZeroDisplay", yen, 0, u"\\0", 0},
        {"no leading character before an empty zero", yenNoZero, 0, u"", 0},
        {"fifteen digits", fifteen, 123456789012345.0L, u"123,456,789,012,345", 123456789012345.0L},
        {"not a number reads as zero", {}, nan, u"0", 0},
        {"infinity clamps", {}, infinity, u"999,999,999", 999999999},
    };
    for (const auto& c : cases) {
        NValEditHarness box(c.config);
        box.core.setValue(c.value);
        EXPECT_EQ(box.window.text, c.shown) << c.name;
        EXPECT_EQ(box.core.value(), c.valueAfter) << c.name;
        EXPECT_EQ(box.window.caret, static_cast<int>(box.window.text.size())) << c.name;
        EXPECT_EQ(box.window.selectionLength, 0) << c.name;
    }
}

struct PropertyCase {
    const char* name;
    Extended value;
    std::function<void(NValEditCore&)> assign;
    const char16_t* shown;
    Extended valueAfter;
    int maxDigits;
    int fixDecimal;
};

using Core = NValEditCore;

TEST(NValEditProperties, RunTimeCorrectsSilently) {
    const PropertyCase cases[] = {
        {"MaxDigits above 15 is ignored", 5, [](Core& c) { c.setMaxDigits(16); }, u"5", 5, 9, -1},
        {"MaxDigits 0 is ignored", 5, [](Core& c) { c.setMaxDigits(0); }, u"5", 5, 9, -1},
        {"MaxDigits below the number clamps it", 12345, [](Core& c) { c.setMaxDigits(3); }, u"999",
         999, 3, -1},
        {"MaxDigits not above FixDecimal is ignored", 5,
         [](Core& c) {
             c.setFixDecimal(2);
             c.setMaxDigits(2);
         },
         u"5.00", 5, 9, 2},
        {"FixDecimal beyond MaxDigits becomes MaxDigits - 1", 5,
         [](Core& c) { c.setFixDecimal(20); }, u"5.00000000", 5, 9, 8},
        {"FixDecimal below -1 becomes -1", 5.5L, [](Core& c) { c.setFixDecimal(-5); }, u"5.5", 5.5L,
         9, -1},
        {"FixDecimal 0 cuts the decimals", 12.7L, [](Core& c) { c.setFixDecimal(0); }, u"12", 12, 9,
         0},
        {"FixDecimal 2 cuts, not rounds", 1.239L, [](Core& c) { c.setFixDecimal(2); }, u"1.23",
         1.23L, 9, 2},
        {"FixDecimal on a negative number", -1.25L, [](Core& c) { c.setFixDecimal(1); }, u"-1.2",
         -1.2L, 9, 1},
        {"FixDecimal 2 pads a whole number", 12, [](Core& c) { c.setFixDecimal(2); }, u"12.00", 12,
         9, 2},
        {"FixDecimal that the number cannot fit clamps it", 123456789,
         [](Core& c) { c.setFixDecimal(2); }, u"9,999,999.99", 9999999.99L, 9, 2},
        {"PrmtNegative false makes the number positive", -5,
         [](Core& c) { c.setPrmtNegative(false); }, u"5", 5, 9, -1},
        {"PutAComma false renders again", 1234, [](Core& c) { c.setPutAComma(false); }, u"1234",
         1234, 9, -1},
        {"ZeroDisplay false empties a zero box", 0, [](Core& c) { c.setZeroDisplay(false); }, u"",
         0, 9, -1},
        {"a leading character renders again", 5, [](Core& c) { c.setLeadingChar('$'); }, u"$5", 5,
         9, -1},
    };
    for (const auto& c : cases) {
        NValEditConfig config;
        config.value = c.value;
        NValEditHarness box(config);
        c.assign(box.core);
        EXPECT_EQ(box.window.text, c.shown) << c.name;
        EXPECT_EQ(box.core.value(), c.valueAfter) << c.name;
        EXPECT_EQ(box.core.maxDigits(), c.maxDigits) << c.name;
        EXPECT_EQ(box.core.fixDecimal(), c.fixDecimal) << c.name;
    }
}

TEST(NValEditProperties, LeadingCharBelowTheSpaceMeansNone) {
    NValEditHarness box(NValEditConfig{});
    box.core.setLeadingChar(1);
    EXPECT_EQ(box.core.leadingChar(), ' ');
}

TEST(NValEditProperties, MaxDigitsThatStillFitsDoesNotRenderAgain) {
    NValEditHarness box(NValEditConfig{});
    box.run("1 2 .");
    box.core.setMaxDigits(5);
    EXPECT_EQ(box.window.text, u"12.");
}

TEST(NValEditProperties, ForbiddingNegativesAlsoDropsATypedMinusOnZero) {
    NValEditHarness box(NValEditConfig{});
    box.run("-");
    box.core.setPrmtNegative(false);
    EXPECT_EQ(box.window.text, u"0");
    EXPECT_EQ(joined(box.run("5")), u"5");
    EXPECT_GT(box.core.value(), 0);
}

// Design mode: reports instead of silent corrections.
class RecordingReporter : public NValEditDesignReporter {
public:
    void beep() override { log += "beep;"; }
    void showMessage(const std::string& message) override { log += message + ";"; }
    std::string log;
};

struct DesignCase {
    const char* name;
    Extended value;
    std::function<void(Core&)> prepare; // at run time, before the designer takes over
    std::function<void(Core&)> assign;
    const char* reports; // beeps and messages in order
    const char* error;   // the message of the error that ended the operation, or ""
    Extended valueAfter;
    int maxDigits;
    int fixDecimal;
};

TEST(NValEditProperties, DesignModeReportsWithItsMessages) {
    const auto nothing = [](Core&) {};
    const DesignCase cases[] = {
        {"negative while not permitted", 5, [](Core& c) { c.setPrmtNegative(false); },
         [](Core& c) { c.setValue(-5); }, "", "PrmtNegative と矛盾します", 5, 9, -1},
        {"above the largest magnitude", 5, nothing, [](Core& c) { c.setValue(1e10L); }, "",
         "MaxDigits, FixDecimal と矛盾します", 5, 9, -1},
        {"the largest magnitude itself is accepted", 5, nothing,
         [](Core& c) { c.setValue(999999999); }, "", "", 999999999, 9, -1},
        {"more digits than MaxDigits", 5, nothing, [](Core& c) { c.setValue(0.1234567891L); }, "",
         "MaxDigits と矛盾します", 5, 9, -1},
        {"more decimals than FixDecimal", 5, [](Core& c) { c.setFixDecimal(2); },
         [](Core& c) { c.setValue(1.239L); }, "", "FixDecimal と矛盾します", 5, 9, 2},
        {"MaxDigits outside 1 to 15", 5, nothing, [](Core& c) { c.setMaxDigits(16); },
         "beep;MaxDigits は 1 から 15 までです。;", "", 5, 9, -1},
        {"MaxDigits not above FixDecimal", 5, [](Core& c) { c.setFixDecimal(2); },
         [](Core& c) { c.setMaxDigits(2); }, "beep;小数桁指定と矛盾しています;", "", 5, 9, 2},
        {"MaxDigits below the digits of the number", 12345, nothing,
         [](Core& c) { c.setMaxDigits(3); }, "beep;最大桁数を超えるため Value をゼロにします;", "",
         0, 3, -1},
        {"PrmtNegative false on a negative number", -5, nothing,
         [](Core& c) { c.setPrmtNegative(false); }, "Value を正の数に変換します;", "", 5, 9, -1},
        {"FixDecimal not below MaxDigits", 5, nothing, [](Core& c) { c.setFixDecimal(9); },
         "beep;値が不正です;", "", 5, 9, -1},
        {"FixDecimal below -1", 5, nothing, [](Core& c) { c.setFixDecimal(-2); },
         "beep;値が不正です;", "", 5, 9, -1},
        {"FixDecimal below the decimals of the number", 1.239L, nothing,
         [](Core& c) { c.setFixDecimal(2); }, "beep;Value の小数桁数を指定桁数に変更します;", "",
         1.23L, 9, 2},
    };
    for (const auto& c : cases) {
        NValEditConfig config;
        config.value = c.value;
        NValEditHarness box(config);
        c.prepare(box.core);
        RecordingReporter reporter;
        box.core.setDesignReporter(&reporter);
        box.core.setDesignMode(true);
        const std::u16string textBefore = box.window.text;
        std::string error;
        try {
            c.assign(box.core);
        } catch (const NValEditDesignError& e) {
            error = e.what();
        }
        EXPECT_EQ(reporter.log, c.reports) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(box.core.value(), c.valueAfter) << c.name;
        EXPECT_EQ(box.core.maxDigits(), c.maxDigits) << c.name;
        EXPECT_EQ(box.core.fixDecimal(), c.fixDecimal) << c.name;
        if (!error.empty()) {
            EXPECT_EQ(box.window.text, textBefore) << c.name << ": an error leaves the text";
        }
    }
}

} // namespace
} // namespace norvik
