#include "PixelMap.h"

#include <stdexcept>
#include <string>

namespace norvik {

PixelMap::PixelMap(std::span<const std::string_view> rows, std::map<char, QRgb> legend)
    : rows_(rows)
    , legend_(std::move(legend)) {
    legend_['.'] = 0u;
}

QImage PixelMap::image() const {
    const int height = static_cast<int>(rows_.size());
    const int width = height > 0 ? static_cast<int>(rows_.front().size()) : 0;
    QImage image(width, height, QImage::Format_ARGB32);
    int y = 0;
    for (const std::string_view row : rows_) {
        if (static_cast<int>(row.size()) != width) {
            throw std::invalid_argument("pixel map row " + std::to_string(y) + " has " +
                                        std::to_string(row.size()) + " pixels, not " +
                                        std::to_string(width));
        }
        for (int x = 0; x < width; ++x) {
            const auto colour = legend_.find(row[x]);
            if (colour == legend_.end()) {
                throw std::invalid_argument(std::string("pixel map character '") + row[x] +
                                            "' has no colour");
            }
            image.setPixel(x, y, colour->second);
        }
        ++y;
    }
    return image;
}

} // namespace norvik
