#include "controls/gradpan/geometry/GradpanBackground.h"

#include "controls/gdi/geometry/GdiMath.h"
#include "money/Extended.h"

#include <cstdint>

namespace norvik::gradpan {

namespace {

struct Steps {
    double red;
    double green;
    double blue;
};

std::uint8_t truncatedChannel(std::uint8_t first, double step, int index) {
    const Extended value = static_cast<Extended>(first) + static_cast<Extended>(index) * step;
    return static_cast<std::uint8_t>(truncateToInteger(value));
}

double stepBetween(std::uint8_t from, std::uint8_t to) {
    return static_cast<double>(to - from) / kGradientSteps;
}

enum class Layout : std::uint8_t { Rows, Columns, MirroredRows, MirroredColumns };

struct Gradient {
    bool reversed;
    Layout layout;
};

Gradient gradientOf(TDirection effect) {
    switch (effect) {
    case bdDown:
        return {true, Layout::Rows};
    case bdLeft:
        return {false, Layout::Columns};
    case bdRight:
        return {true, Layout::Columns};
    case bdHorzIn:
        return {false, Layout::MirroredRows};
    case bdHorzOut:
        return {true, Layout::MirroredRows};
    case bdVertIn:
        return {false, Layout::MirroredColumns};
    case bdVertOut:
        return {true, Layout::MirroredColumns};
    case bdUp:
    default:
        return {false, Layout::Rows};
    }
}

} // namespace

ColorTable buildColorTable(TColor from, TColor to) {
    using namespace tcolor;
    const Steps steps{stepBetween(red(from), red(to)), stepBetween(green(from), green(to)),
                      stepBetween(blue(from), blue(to))};
    ColorTable table{};
    for (int i = 0; i < kGradientSteps; ++i) {
        table[static_cast<std::size_t>(i)] = rgb(truncatedChannel(red(from), steps.red, i),
                                                 truncatedChannel(green(from), steps.green, i),
                                                 truncatedChannel(blue(from), steps.blue, i));
    }
    return table;
}

GdiRect rowBand(int band, int width, int height) {
    return {0, gdi::mulDiv(band, height, kGradientSteps), width,
            gdi::mulDiv(band + 1, height, kGradientSteps)};
}

GdiRect columnBand(int band, int width, int height) {
    return {gdi::mulDiv(band, width, kGradientSteps), 0,
            gdi::mulDiv(band + 1, width, kGradientSteps), height};
}

int mirroredEntry(int band) {
    constexpr int kHalf = kGradientSteps / 2;
    return band < kHalf ? 2 * band + 1 : 2 * (kGradientSteps - 1) - 2 * band;
}

bool isGradient(TDirection effect) {
    return effect >= bdUp && effect <= bdVertOut;
}

bool isImage(TDirection effect) {
    return effect == bdStretchImage || effect == bdTileImage;
}

std::vector<GdiFill> gradientFills(TDirection effect, TColor start, TColor end, int width,
                                   int height) {
    if (!isGradient(effect)) {
        return {};
    }
    const Gradient gradient = gradientOf(effect);
    const ColorTable table =
        gradient.reversed ? buildColorTable(end, start) : buildColorTable(start, end);
    const bool mirrored =
        gradient.layout == Layout::MirroredRows || gradient.layout == Layout::MirroredColumns;
    const bool rows = gradient.layout == Layout::Rows || gradient.layout == Layout::MirroredRows;
    std::vector<GdiFill> fills;
    fills.reserve(kGradientSteps);
    for (int band = 0; band < kGradientSteps; ++band) {
        const int entry = mirrored ? mirroredEntry(band) : band;
        fills.push_back({rows ? rowBand(band, width, height) : columnBand(band, width, height),
                         table[static_cast<std::size_t>(entry)]});
    }
    return fills;
}

int imageInset(bool ctl3D, int bevelWidth, int borderWidth) {
    return ctl3D ? 2 * bevelWidth + borderWidth : 0;
}

GdiRect stretchTarget(int width, int height, int inset) {
    return {inset, inset, width - inset - 1, height - inset - 1};
}

std::vector<GdiPoint> tilePositions(int width, int height, int inset, int tileWidth,
                                    int tileHeight) {
    if (tileWidth <= 0 || tileHeight <= 0) {
        return {};
    }
    const int columns = (width - 2 * inset) / tileWidth + 1;
    const int rows = (height - 2 * inset) / tileHeight + 1;
    std::vector<GdiPoint> positions;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            positions.push_back({inset + column * tileWidth, inset + row * tileHeight});
        }
    }
    return positions;
}

} // namespace norvik::gradpan
