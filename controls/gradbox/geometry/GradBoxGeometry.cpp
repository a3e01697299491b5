#include "controls/gradbox/geometry/GradBoxGeometry.h"

#include "money/Extended.h"

namespace norvik::gradbox {

namespace {

TColor bandColor(TColor start, TColor end, int steps, int index) {
    using namespace tcolor;
    return rgb(channelValue(red(start), red(end), steps, index),
               channelValue(green(start), green(end), steps, index),
               channelValue(blue(start), blue(end), steps, index));
}

} // namespace

int bandSize(int length, int steps) {
    const auto size = roundHalfEven(static_cast<Extended>(length) / steps);
    return size == 0 ? 1 : static_cast<int>(size);
}

std::uint8_t channelValue(std::uint8_t from, std::uint8_t to, int steps, int index) {
    const Extended step = static_cast<Extended>(to - from) / steps;
    const Extended value = from + step * index;
    return static_cast<std::uint8_t>(roundHalfEven(value) & 0xFF);
}

std::vector<GdiFill> gradientFills(TColor start, TColor end, std::uint8_t gradStep,
                                   TGradDirection direction, int width, int height) {
    const int steps = gradStep + 1;
    const bool vertical = direction == gdVertical;
    const int length = vertical ? height : width;
    const int size = bandSize(length, steps);
    std::vector<GdiFill> fills;
    fills.reserve(static_cast<std::size_t>(steps) + 2);
    int offset = 0;
    // Bands that would start past the far edge are clipped away whole, so they are not made.
    for (int band = 0; band <= steps && offset < length; ++band) {
        const GdiRect rect = vertical ? GdiRect{0, offset, width, offset + size}
                                      : GdiRect{offset, 0, offset + size, height};
        fills.push_back({rect, bandColor(start, end, steps, band)});
        offset += size;
    }
    if (!fills.empty() && offset < length) {
        const GdiRect rest =
            vertical ? GdiRect{0, offset, width, height} : GdiRect{offset, 0, width, height};
        fills.push_back({rest, fills.back().color});
    }
    return fills;
}

} // namespace norvik::gradbox
