// Seeded random keystroke sequences against the numeric-entry core, checking after every
// operation what must always hold: the text is the rendering of the number, the number stays
// within its limits, the sign and the colour agree with the entry.
#include "NValEditHarness.h"
#include "notation/NumberReader.h"
#include "notation/ParseNumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

namespace norvik {
namespace {

constexpr unsigned kSequences = 350;
constexpr int kOperationsPerSequence = 500; // 175,000 operations, about 119,000 of them keys
constexpr TColor kMinusColor = tcolor::rgb(200, 0, 0);

class RandomSession {
public:
    explicit RandomSession(unsigned seed)
        : rng_(seed)
        , box_(randomConfig()) {
        distinctColor_ = chance(50);
        if (distinctColor_) {
            box_.core.setMinusColor(kMinusColor);
        }
    }

    int keystrokes() const { return keystrokes_; }

    // Runs the sequence; returns the first broken invariant, or "" when none broke.
    std::string run() {
        for (int step = 0; step < kOperationsPerSequence; ++step) {
            const int beepsBefore = box_.window.beeps;
            const std::string operation = randomOperation();
            history_ += operation + ' ';
            const std::string broken = brokenInvariant(box_.window.beeps != beepsBefore);
            if (!broken.empty()) {
                return broken + "\n  after: " +
                       history_.substr(history_.size() > 600 ? history_.size() - 600 : 0);
            }
        }
        return {};
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return uniform(1, 100) <= percent; }

    NValEditConfig randomConfig() {
        NValEditConfig c;
        c.maxDigits = uniform(1, 15);
        c.fixDecimal = chance(60) ? -1 : uniform(0, c.maxDigits - 1);
        c.zeroDisplay = chance(70);
        c.prmtNegative = chance(80);
        c.putAComma = chance(80);
        c.leadingChar = chance(80) ? ' ' : (chance(50) ? '\\' : '$');
        c.delAllClear = chance(30);
        c.value = randomValue();
        return c;
    }

    Extended randomValue() {
        switch (uniform(0, 5)) {
        case 0:
            return 0;
        case 1:
            return std::ldexp(static_cast<Extended>(uniform(1, 1000)), -uniform(30, 60));
        case 2:
            return (chance(50) ? -1 : 1) * std::pow(10.0L, uniform(10, 25));
        case 3:
            return uniform(-2000, 2000) + 0.5L;
        default: {
            std::string digits = chance(30) ? "-" : "";
            const int count = uniform(1, 17);
            const int point = uniform(0, count);
            for (int i = 0; i < count; ++i) {
                digits += (i == point && i != 0 ? "." : "");
                digits += static_cast<char>('0' + uniform(0, 9));
            }
            return readNumber(digits).value_or(0);
        }
        }
    }

    std::u16string randomText() {
        static const char16_t* const pieces[] = {u"0",  u"1",  u"5",  u"9",  u",",  u".",
                                                 u"-",  u"+",  u" ",  u"$",  u"\\", u"１",
                                                 u"２", u"，", u"．", u"－", u"a",  u",000"};
        std::u16string text;
        const int length = uniform(0, 10);
        for (int i = 0; i < length; ++i) {
            text += pieces[uniform(0, std::size(pieces) - 1)];
        }
        return text;
    }

    std::string randomOperation() {
        const int roll = uniform(1, 100);
        if (roll <= 40) {
            const char digit = static_cast<char>('0' + uniform(0, 9));
            box_.core.typeChar(digit);
            ++keystrokes_;
            return std::string(1, digit);
        }
        static const char* const tokens[] = {".",  ".",   "-",   "-",    "BS",  "BS",
                                             "BS", "DEL", "ESC", "SEL",  "SEL", "HOME",
                                             "IN", "OUT", "OUT", "CLICK"};
        if (roll <= 85) {
            const std::string token = tokens[uniform(0, std::size(tokens) - 1)];
            box_.step(token);
            keystrokes_ +=
                token == "IN" || token == "OUT" || token == "CLICK" || token == "SEL" ? 0 : 1;
            return token;
        }
        if (roll <= 89) {
            const int length = static_cast<int>(box_.window.text.size());
            const int start = uniform(0, length);
            box_.window.select(start, uniform(0, length - start));
            return "select";
        }
        if (roll <= 91) {
            box_.core.mouseReleased();
            return "release";
        }
        if (roll <= 96) {
            const Extended value = randomValue();
            box_.core.setValue(value);
            std::ostringstream out;
            out.precision(21);
            out << "value=" << value;
            return out.str();
        }
        if (roll <= 98) {
            const std::u16string text = randomText();
            box_.core.paste(text);
            return "paste" + testing::PrintToString(text);
        }
        if (roll <= 99) {
            box_.core.undo();
            return "undo";
        }
        const std::u16string text = randomText();
        box_.window.writeFromOutside(text);
        return "write" + testing::PrintToString(text);
    }

    Extended halfUnit() const {
        const int f = box_.core.fixDecimal();
        return decimalPower(5, f == -1 ? -box_.core.maxDigits() : -(f + 1));
    }

    Extended largest() const {
        const int d = box_.core.maxDigits();
        const int f = box_.core.fixDecimal();
        return f == -1 ? decimalPower(1, d) - 1 : decimalPower(1, d - f) - decimalPower(1, -f);
    }

    std::string brokenInvariant(bool refused) const {
        const auto& core = box_.core;
        const auto& state = core.state();
        const Extended value = core.value();
        const std::u16string& shown = box_.window.text;
        if (std::isnan(value) || std::fabs(value) > largest() * (1 + 1e-15L)) {
            return "the number is beyond its limits";
        }
        if (state.digitCount < 0 || state.digitCount > core.maxDigits() || state.decimalCount < 0 ||
            (core.fixDecimal() >= 0 && state.decimalCount > core.fixDecimal())) {
            return "the counts are beyond the limits";
        }
        if (!state.pointTyped && state.decimalCount != 0) {
            return "decimals outside decimal entry";
        }
        if ((value < 0 && !state.minusTyped) || (value > 0 && state.minusTyped)) {
            return "minusTyped disagrees with the sign of the number";
        }
        if (!core.prmtNegative() &&
            (state.minusTyped || shown.find(u'-') != std::u16string::npos)) {
            return "a negative entry although negatives are not permitted";
        }
        if (distinctColor_ &&
            (box_.window.fontColor == kMinusColor) != (value < 0 || state.minusTyped)) {
            return "the font colour disagrees with the sign";
        }
        if (refused) {
            return {}; // a refused keystroke leaves the text as it was
        }
        const bool rendersNumber = shown == core.rendering(value);
        const bool rendersTinyAsZero = std::fabs(value) < halfUnit() && shown == core.rendering(0);
        if (!rendersNumber && !rendersTinyAsZero) {
            return "text " + testing::PrintToString(shown) + " is not the rendering " +
                   testing::PrintToString(core.rendering(value));
        }
        const Extended read = parseNumberText(shown, core.leadingChar());
        const Extended tolerance =
            decimalPower(5, -(state.decimalCount + 1)) + std::fabs(value) * 1e-15L + halfUnit();
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
        const std::string broken = session.run();
        keystrokes += session.keystrokes();
        ASSERT_EQ(broken, "") << "seed " << seed;
    }
    RecordProperty("keystrokes", keystrokes);
    EXPECT_GE(keystrokes, 100000);
}

} // namespace
} // namespace norvik
