#pragma once

#include <QByteArray>
#include <QImage>

namespace norvik {

// Writes an image as an uncompressed 32-bit BMP file. Qt's own writer would store 24 bits, and
// the panel bitmap is to be a 32-bit one.
class BmpEncoder {
public:
    QByteArray encode(const QImage& image) const;
};

} // namespace norvik
