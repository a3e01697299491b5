#pragma once

#include <QByteArray>
#include <QImage>

namespace norvik {

// Writes one image as an ICO file with a single palette-based DIB entry of 4 or 8 bits per
// pixel and its one-bit transparency mask. The image must already be reduced: every pixel fully
// opaque or fully transparent, and no more opaque colours than the depth holds (one fewer when
// black is absent, since transparent pixels must carry black to leave the screen untouched).
class IcoEncoder {
public:
    explicit IcoEncoder(int bitsPerPixel);

    // Throws std::invalid_argument when the image breaks the rules above.
    QByteArray encode(const QImage& image) const;

private:
    int bitsPerPixel_;
};

} // namespace norvik
