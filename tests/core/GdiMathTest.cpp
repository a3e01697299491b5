#include "controls/gdi/geometry/GdiMath.h"
#include "controls/gdi/geometry/AnsiText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace norvik {
namespace {

struct MulDivCase {
    const char* name;
    int number;
    int numerator;
    int denominator;
    int result;
};

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    const MulDivCase cases[] = {
        {"1 × 50 / 100 = 0.5 goes up to 1", 1, 50, 100, 1},
        {"3 × 50 / 100 = 1.5 goes up to 2", 3, 50, 100, 2},
        {"-1 × 50 / 100 = -0.5 goes down to -1", -1, 50, 100, -1},
        {"1 × -50 / 100 = -0.5 goes down to -1", 1, -50, 100, -1},
        {"-3 × 50 / -100 = 1.5 goes up to 2", -3, 50, -100, 2},
        {"1 × 36 / 100 = 0.36 is 0", 1, 36, 100, 0},
        {"2 × 36 / 100 = 0.72 is 1", 2, 36, 100, 1},
        {"99 × 36 / 100 = 35.64 is 36", 99, 36, 100, 36},
        {"100 × 36 / 100 is exact", 100, 36, 100, 36},
        {"the product may exceed 32 bits", 100000, 100000, 200000, 50000},
        {"a zero denominator gives -1", 5, 5, 0, -1},
        {"a quotient beyond int gives -1", std::numeric_limits<int>::max(), 2, 1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gdi::mulDiv(c.number, c.numerator, c.denominator), c.result) << c.name;
    }
}

struct AnsiCase {
    const char* name;
    std::u16string text;
    std::size_t maxBytes;
    std::size_t units;
};

TEST(AnsiPrefix, CountsDoubleByteCharactersAsTwoAndNeverSplitsOne) {
    const AnsiCase cases[] = {
        {"ASCII fits byte for byte", u"HELP", 3, 3},
        {"a short text fits whole", u"Exit", 255, 4},
        {"kanji take two bytes each", u"計算計算", 5, 2},
        {"a kanji that does not fit whole is left out", u"A計", 2, 1},
        {"half-width katakana take one byte", u"ｶﾅｶﾅ", 3, 3},
        {"a surrogate pair stays together", u"\U0001F600A", 1, 0},
        {"nothing fits in no bytes", u"A", 0, 0},
        {"a long ASCII caption is cut at 255 bytes", std::u16string(300, u'M'), 255, 255},
        {"a long kanji caption at 127 characters", std::u16string(200, u'税'), 255, 127},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gdi::ansiPrefixLength(c.text, c.maxBytes), c.units) << c.name;
    }
}

} // namespace
} // namespace norvik
