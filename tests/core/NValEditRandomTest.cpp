// Seeded random keystroke sequences against the numeric-entry core, checking after every
// operation what must always hold: the text is the rendering of the number, the number stays
// within its limits, the sign and the colour agree with the entry.
#include "NValEditHarness.h"
#include "controls/NumberReader.h"
#include "controls/ParseNumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

namespace {

using norvik::Extended;

constexpr unsigned kSequences = 350;
constexpr int kOperationsPerSequence = 500; // 175,000 operations, about 119,000 of them keys
constexpr TColor kMinusColor = tcolor::rgb(200, 0, 0);

class RandomSession {
public:
    explicit RandomSession(unsigned seed)
        : rng_(seed)
        , box_(RandomConfig()) {
        distinctColor_ = Chance(50);
        if (distinctColor_) {
            box_.core.SetMinusColor(kMinusColor);
        }
    }

    int Keystrokes() const { return keystrokes_; }

    // Runs the sequence; returns the first broken invariant, or "" when none broke.
    std::string Run() {
        for (int step = 0; step < kOperationsPerSequence; ++step) {
            const int beepsBefore = box_.window.beeps;
            const std::string operation = RandomOperation();
            history_ += operation + ' ';
            const std::string broken = BrokenInvariant(box_.window.beeps != beepsBefore);
            if (!broken.empty()) {
                return broken + "\n  after: " +
                       history_.substr(history_.size() > 600 ? history_.size() - 600 : 0);
            }
        }
        return {};
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int percent) { return Uniform(1, 100) <= percent; }

    NValEditConfig RandomConfig() {
        NValEditConfig c;
        c.maxDigits = Uniform(1, 15);
        c.fixDecimal = Chance(60) ? -1 : Uniform(0, c.maxDigits - 1);
        c.zeroDisplay = Chance(70);
        c.prmtNegative = Chance(80);
        c.putAComma = Chance(80);
        c.leadingChar = Chance(80) ? ' ' : (Chance(50) ? '\\' : '$');
        c.delAllClear = Chance(30);
        c.value = RandomValue();
        return c;
    }

    Extended RandomValue() {
        switch (Uniform(0, 5)) {
        case 0:
            return 0;
        case 1:
            return std::ldexp(static_cast<Extended>(Uniform(1, 1000)), -Uniform(30, 60));
        case 2:
            return (Chance(50) ? -1 : 1) * std::pow(10.0L, Uniform(10, 25));
        case 3:
            return Uniform(-2000, 2000) + 0.5L;
        default: {
            std::string digits = Chance(30) ? "-" : "";
            const int count = Uniform(1, 17);
            const int point = Uniform(0, count);
            for (int i = 0; i < count; ++i) {
                digits += (i == point && i != 0 ? "." : "");
                digits += static_cast<char>('0' + Uniform(0, 9));
            }
            return norvik::ReadNumber(digits).value_or(0);
        }
        }
    }

    std::u16string RandomText() {
        static const char16_t* const pieces[] = {u"0",  u"1",  u"5",  u"9",  u",",  u".",
                                                 u"-",  u"+",  u" ",  u"$",  u"\\", u"１",
                                                 u"２", u"，", u"．", u"－", u"a",  u",000"};
        std::u16string text;
        const int length = Uniform(0, 10);
        for (int i = 0; i < length; ++i) {
            text += pieces[Uniform(0, std::size(pieces) - 1)];
        }
        return text;
    }

    std::string RandomOperation() {
        const int roll = Uniform(1, 100);
        if (roll <= 40) {
            const char digit = static_cast<char>('0' + Uniform(0, 9));
            box_.core.TypeChar(digit);
            ++keystrokes_;
            return std::string(1, digit);
        }
        static const char* const tokens[] = {".",  ".",   "-",   "-",    "BS",  "BS",
                                             "BS", "DEL", "ESC", "SEL",  "SEL", "HOME",
                                             "IN", "OUT", "OUT", "CLICK"};
        if (roll <= 85) {
            const std::string token = tokens[Uniform(0, std::size(tokens) - 1)];
            box_.Step(token);
            keystrokes_ +=
                token == "IN" || token == "OUT" || token == "CLICK" || token == "SEL" ? 0 : 1;
            return token;
        }
        if (roll <= 89) {
            const int length = static_cast<int>(box_.window.text.size());
            const int start = Uniform(0, length);
            box_.window.Select(start, Uniform(0, length - start));
            return "select";
        }
        if (roll <= 91) {
            box_.core.MouseReleased();
            return "release";
        }
        if (roll <= 96) {
            const Extended value = RandomValue();
            box_.core.SetValue(value);
            std::ostringstream out;
            out.precision(21);
            out << "value=" << value;
            return out.str();
        }
        if (roll <= 98) {
            const std::u16string text = RandomText();
            box_.core.Paste(text);
            return "paste" + testing::PrintToString(text);
        }
        if (roll <= 99) {
            box_.core.Undo();
            return "undo";
        }
        const std::u16string text = RandomText();
        box_.window.WriteFromOutside(text);
        return "write" + testing::PrintToString(text);
    }

    Extended HalfUnit() const {
        const int f = box_.core.FixDecimal();
        return norvik::DecimalPower(5, f == -1 ? -box_.core.MaxDigits() : -(f + 1));
    }

    Extended Largest() const {
        const int d = box_.core.MaxDigits();
        const int f = box_.core.FixDecimal();
        return f == -1 ? norvik::DecimalPower(1, d) - 1
                       : norvik::DecimalPower(1, d - f) - norvik::DecimalPower(1, -f);
    }

    std::string BrokenInvariant(bool refused) const {
        const auto& core = box_.core;
        const auto& state = core.State();
        const Extended value = core.Value();
        const std::u16string& shown = box_.window.text;
        if (std::isnan(value) || std::fabs(value) > Largest() * (1 + 1e-15L)) {
            return "the number is beyond its limits";
        }
        if (state.DigitCount < 0 || state.DigitCount > core.MaxDigits() || state.DecimalCount < 0 ||
            (core.FixDecimal() >= 0 && state.DecimalCount > core.FixDecimal())) {
            return "the counts are beyond the limits";
        }
        if (!state.PointTyped && state.DecimalCount != 0) {
            return "decimals outside decimal entry";
        }
        if ((value < 0 && !state.MinusTyped) || (value > 0 && state.MinusTyped)) {
            return "MinusTyped disagrees with the sign of the number";
        }
        if (!core.PrmtNegative() &&
            (state.MinusTyped || shown.find(u'-') != std::u16string::npos)) {
            return "a negative entry although negatives are not permitted";
        }
        if (distinctColor_ &&
            (box_.window.fontColor == kMinusColor) != (value < 0 || state.MinusTyped)) {
            return "the font colour disagrees with the sign";
        }
        if (refused) {
            return {}; // a refused keystroke leaves the text as it was
        }
        const bool rendersNumber = shown == core.Rendering(value);
        const bool rendersTinyAsZero = std::fabs(value) < HalfUnit() && shown == core.Rendering(0);
        if (!rendersNumber && !rendersTinyAsZero) {
            return "text " + testing::PrintToString(shown) + " is not the rendering " +
                   testing::PrintToString(core.Rendering(value));
        }
        const Extended read = norvik::ParseNumberText(shown, core.LeadingChar());
        const Extended tolerance = norvik::DecimalPower(5, -(state.DecimalCount + 1)) +
                                   std::fabs(value) * 1e-15L + HalfUnit();
        if (std::fabs(read - value) > tolerance) {
            return "text " + testing::PrintToString(shown) + " does not read back as the number";
        }
        return {};
    }

    std::mt19937 rng_;
    NValEditHarness box_;
    bool distinctColor_ = false;
    std::string history_;
    int keystrokes_ = 0;
};

TEST(NValEditRandomized, InvariantsHoldAfterEveryOperation) {
    int keystrokes = 0;
    for (unsigned seed = 1; seed <= kSequences; ++seed) {
        RandomSession session(seed);
        const std::string broken = session.Run();
        keystrokes += session.Keystrokes();
        ASSERT_EQ(broken, "") << "seed " << seed;
    }
    RecordProperty("keystrokes", keystrokes);
    EXPECT_GE(keystrokes, 100000);
}

} // namespace
