#include "MedianCut.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <stdexcept>
#include <vector>

namespace norvik {

namespace {

struct WeightedColour {
    std::array<int, 3> channels;
    int count;
};

using Box = std::vector<WeightedColour>;

int spread(const Box& box, int channel) {
    const auto [low, high] = std::minmax_element(
        box.begin(), box.end(), [channel](const WeightedColour& a, const WeightedColour& b) {
            return a.channels[channel] < b.channels[channel];
        });
    return high->channels[channel] - low->channels[channel];
}

int widestChannel(const Box& box) {
    int best = 0;
    for (int channel = 1; channel < 3; ++channel) {
        if (spread(box, channel) > spread(box, best)) {
            best = channel;
        }
    }
    return best;
}

// The box to split next: the one covering the widest range of any channel. Ties go to the
// first, so the cut is repeatable.
std::size_t boxToSplit(const std::vector<Box>& boxes) {
    std::size_t best = 0;
    int bestSpread = -1;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].size() < 2) {
            continue;
        }
        const int boxSpread = spread(boxes[i], widestChannel(boxes[i]));
        if (boxSpread > bestSpread) {
            best = i;
            bestSpread = boxSpread;
        }
    }
    return best;
}

// Splits at the weighted median along the widest channel, keeping at least one colour per side.
std::pair<Box, Box> split(Box box) {
    const int channel = widestChannel(box);
    std::stable_sort(box.begin(), box.end(), [channel](const auto& a, const auto& b) {
        return a.channels[channel] < b.channels[channel];
    });
    long total = 0;
    for (const auto& colour : box) {
        total += colour.count;
    }
    long running = 0;
    std::size_t cut = 1;
    while (cut < box.size() - 1 && running + box[cut - 1].count < total / 2) {
        running += box[cut - 1].count;
        ++cut;
    }
    return {Box(box.begin(), box.begin() + static_cast<long>(cut)),
            Box(box.begin() + static_cast<long>(cut), box.end())};
}

QRgb average(const Box& box) {
    std::array<long, 3> sums{};
    long total = 0;
    for (const auto& colour : box) {
        for (int channel = 0; channel < 3; ++channel) {
            sums[channel] += long{colour.channels[channel]} * colour.count;
        }
        total += colour.count;
    }
    const auto mean = [&](int channel) {
        return static_cast<int>((sums[channel] + total / 2) / total);
    };
    return qRgb(mean(0), mean(1), mean(2));
}

QRgb nearest(const std::vector<QRgb>& palette, QRgb colour) {
    QRgb best = palette.front();
    int bestDistance = std::numeric_limits<int>::max();
    for (const QRgb candidate : palette) {
        const int dr = qRed(candidate) - qRed(colour);
        const int dg = qGreen(candidate) - qGreen(colour);
        const int db = qBlue(candidate) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

bool isOpaqueEnough(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

Box histogram(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isOpaqueEnough(pixel)) {
                ++counts[qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel))];
            }
        }
    }
    Box colours;
    for (const auto& [rgb, count] : counts) {
        colours.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, count});
    }
    return colours;
}

std::vector<QRgb> paletteFor(Box colours, int maxColours) {
    std::vector<Box> boxes;
    boxes.push_back(std::move(colours));
    while (static_cast<int>(boxes.size()) < maxColours) {
        const std::size_t index = boxToSplit(boxes);
        if (boxes[index].size() < 2) {
            break;
        }
        auto [low, high] = split(std::move(boxes[index]));
        boxes[index] = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<QRgb> palette;
    for (const auto& box : boxes) {
        palette.push_back(average(box));
    }
    return palette;
}

} // namespace

MedianCut::MedianCut(int maxColours)
    : maxColours_(maxColours) {
    if (maxColours < 1) {
        throw std::invalid_argument("a palette needs at least one colour");
    }
}

QImage MedianCut::reduce(const QImage& drawing) const {
    // Straight (not premultiplied) colours: an edge pixel keeps the colour of its shape rather
    // than a darkened one when its partial coverage is rounded up to fully opaque.
    QImage image = drawing.convertToFormat(QImage::Format_ARGB32);
    Box colours = histogram(image);
    if (colours.empty()) {
        return image;
    }
    const std::vector<QRgb> palette = paletteFor(std::move(colours), maxColours_);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            image.setPixel(x, y, isOpaqueEnough(pixel) ? nearest(palette, pixel) : 0u);
        }
    }
    return image;
}

} // namespace norvik
