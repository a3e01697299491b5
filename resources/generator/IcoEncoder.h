#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

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

    // Several images of one subject (each side once, smallest first), each with its own
    // palette, so that a desktop picks the one drawn for the size it shows.
    QByteArray encode(const QList<QImage>& images) const;

private:
    struct Entry {
        int width;
        int height;
        QByteArray dib; // info header, palette, colour bitmap, mask
    };
    Entry entryFor(const QImage& image) const;

    int bitsPerPixel_;
};

} // namespace norvik
