#include "controls/gradbox/geometry/GradBoxGeometry.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

using namespace gradbox;

struct BandSizeCase {
    const char* name;
    int length;
    int steps;
    int size;
};

TEST(GradBoxBands, SizeIsRoundedHalvesToEvenAndAtLeastOne) {
    const BandSizeCase cases[] = {
        {"357 / 129 = 2.77 gives 3", 357, 129, 3},
        {"159 / 129 = 1.23 gives 1", 159, 129, 1},
        {"1.5 rounds up to the even 2", 3, 2, 2},
        {"2.5 rounds down to the even 2", 5, 2, 2},
        {"3.5 rounds up to 4", 7, 2, 4},
        {"1.33 gives 1", 4, 3, 1},
        {"a quotient rounding to 0 is raised to 1", 100, 256, 1},
        {"one step spans the whole box", 35, 1, 35},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bandSize(c.length, c.steps), c.size) << c.name;
    }
}

struct ChannelCase {
    const char* name;
    std::uint8_t from;
    std::uint8_t to;
    int steps;
    int index;
    std::uint8_t value;
};

TEST(GradBoxBands, ChannelValuesRoundHalvesToEven) {
    const ChannelCase cases[] = {
        {"band 1 of white to 142: 254.12", 255, 142, 129, 1, 254},
        {"band 59 red: 203.32", 255, 142, 129, 59, 203},
        {"band 59 green: 202.40", 255, 140, 129, 59, 202},
        {"band 59 blue: 212.47", 255, 162, 129, 59, 212},
        {"band 118 red: 151.64", 255, 142, 129, 118, 152},
        {"the last band is the end colour", 255, 142, 129, 129, 142},
        {"0.5 rounds to the even 0", 0, 1, 2, 1, 0},
        {"1.5 rounds to the even 2", 1, 2, 2, 1, 2},
        {"2.5 rounds to the even 2", 2, 3, 2, 1, 2},
        {"254.5 rounds to the even 254", 255, 254, 2, 1, 254},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(channelValue(c.from, c.to, c.steps, c.index), c.value) << c.name;
    }
}

TEST(GradBoxBands, ReadsSystemColoursAsPlainBytes) {
    const std::vector<GdiFill> fills = gradientFills(clBtnFace, clBtnFace, 0, gdVertical, 5, 5);
    EXPECT_EQ(fills[0].color, tcolor::rgb(15, 0, 0));
}

} // namespace
} // namespace norvik
