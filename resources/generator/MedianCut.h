#pragma once

#include <QImage>

namespace norvik {

// Reduces an antialiased drawing to what a palette icon can hold: each pixel becomes fully
// opaque or fully transparent (an icon mask has one bit), and the opaque colours are cut down
// to at most a given number by median cut, each pixel then taking its nearest palette colour.
// The result is deterministic, so regenerating the images reproduces the committed files.
class MedianCut {
public:
    explicit MedianCut(int maxColours);

    QImage reduce(const QImage& drawing) const;

private:
    int maxColours_;
};

} // namespace norvik
