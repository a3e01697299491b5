#pragma once

#include <QImage>

#include <map>
#include <span>
#include <string_view>

namespace norvik {

// A drawing written out pixel by pixel: one text row per image row, one character per pixel,
// each character standing for a colour in the legend. '.' is always transparent. Small
// 16-colour icons are drawn this way because every pixel of them has to be placed by hand to
// read at 32 x 32. The rows are kept by reference: they are meant to be a static array.
class PixelMap {
public:
    PixelMap(std::span<const std::string_view> rows, std::map<char, QRgb> legend);

    // Throws std::invalid_argument on ragged rows or a character missing from the legend.
    QImage image() const;

private:
    std::span<const std::string_view> rows_;
    std::map<char, QRgb> legend_;
};

} // namespace norvik
