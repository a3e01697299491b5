#include "IcoEncoder.h"

#include "ByteWriter.h"
#include "DibInfoHeader.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace norvik {

namespace {

constexpr QRgb kOpaqueBlack = 0xFF000000u;

bool isTransparent(QRgb pixel) {
    return qAlpha(pixel) == 0;
}

std::vector<QRgb> paletteOf(const QImage& image) {
    std::vector<QRgb> colours;
    bool anyTransparent = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isTransparent(pixel)) {
                anyTransparent = true;
            } else if (qAlpha(pixel) != 255) {
                throw std::invalid_argument("an icon pixel is neither opaque nor transparent");
            } else {
                colours.push_back(pixel);
            }
        }
    }
    if (anyTransparent) {
        colours.push_back(kOpaqueBlack);
    }
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    return colours;
}

int indexOf(const std::vector<QRgb>& palette, QRgb pixel) {
    const QRgb colour = isTransparent(pixel) ? kOpaqueBlack : pixel;
    const auto found = std::lower_bound(palette.begin(), palette.end(), colour);
    return static_cast<int>(found - palette.begin());
}

void writePalette(ByteWriter& out, const std::vector<QRgb>& palette, int entries) {
    for (int i = 0; i < entries; ++i) {
        const QRgb colour = i < static_cast<int>(palette.size()) ? palette[i] : kOpaqueBlack;
        out.u8(static_cast<std::uint8_t>(qBlue(colour)));
        out.u8(static_cast<std::uint8_t>(qGreen(colour)));
        out.u8(static_cast<std::uint8_t>(qRed(colour)));
        out.u8(0);
    }
}

// Packs a row of small values into whole bytes, leftmost pixel in the high bits.
QByteArray packRow(const std::vector<int>& values, int bitsPerValue, int rowBytes) {
    QByteArray row(rowBytes, '\0');
    const int perByte = 8 / bitsPerValue;
    for (int x = 0; x < static_cast<int>(values.size()); ++x) {
        const int shift = 8 - bitsPerValue * (x % perByte + 1);
        row[x / perByte] = static_cast<char>(row[x / perByte] | (values[x] << shift));
    }
    return row;
}

} // namespace

IcoEncoder::IcoEncoder(int bitsPerPixel)
    : bitsPerPixel_(bitsPerPixel) {
    if (bitsPerPixel != 4 && bitsPerPixel != 8) {
        throw std::invalid_argument("icons are written with 4 or 8 bits per pixel");
    }
}

QByteArray IcoEncoder::encode(const QImage& image) const {
    return encode(QList<QImage>{image});
}

QByteArray IcoEncoder::encode(const QList<QImage>& images) const {
    if (images.isEmpty()) {
        throw std::invalid_argument("an icon holds at least one image");
    }
    std::vector<Entry> entries;
    for (const QImage& image : images) {
        entries.push_back(entryFor(image));
    }
    const int colours = 1 << bitsPerPixel_;
    constexpr std::uint32_t kHeaderBytes = 6;
    constexpr std::uint32_t kDirectoryEntryBytes = 16;
    std::uint32_t offset =
        kHeaderBytes + kDirectoryEntryBytes * static_cast<std::uint32_t>(entries.size());

    ByteWriter out;
    out.u16(0); // reserved
    out.u16(1); // type: icon
    out.u16(static_cast<std::uint16_t>(entries.size()));
    for (const Entry& entry : entries) {
        out.u8(static_cast<std::uint8_t>(entry.width));
        out.u8(static_cast<std::uint8_t>(entry.height));
        out.u8(static_cast<std::uint8_t>(colours < 256 ? colours : 0));
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(static_cast<std::uint16_t>(bitsPerPixel_));
        out.u32(static_cast<std::uint32_t>(entry.dib.size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(entry.dib.size());
    }
    for (const Entry& entry : entries) {
        out.bytes(entry.dib);
    }
    return out.result();
}

IcoEncoder::Entry IcoEncoder::entryFor(const QImage& image) const {
    const int width = image.width();
    const int height = image.height();
    if (width < 1 || width > 255 || height < 1 || height > 255) {
        throw std::invalid_argument("an icon side must lie between 1 and 255 pixels");
    }
    const std::vector<QRgb> palette = paletteOf(image);
    const int entries = 1 << bitsPerPixel_;
    if (static_cast<int>(palette.size()) > entries) {
        throw std::invalid_argument("the icon has more colours than its depth holds");
    }

    const int colourRowBytes = DibInfoHeader::rowBytes(width, bitsPerPixel_);
    const int maskRowBytes = DibInfoHeader::rowBytes(width, 1);
    const auto imageBytes = static_cast<std::uint32_t>((colourRowBytes + maskRowBytes) * height);

    ByteWriter out;
    DibInfoHeader{width, 2 * height, static_cast<std::uint16_t>(bitsPerPixel_), imageBytes}.writeTo(
        out);
    writePalette(out, palette, entries);
    // Both bitmaps are stored bottom row first.
    for (int y = height - 1; y >= 0; --y) {
        std::vector<int> indices(width);
        for (int x = 0; x < width; ++x) {
            indices[x] = indexOf(palette, image.pixel(x, y));
        }
        out.bytes(packRow(indices, bitsPerPixel_, colourRowBytes));
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<int> mask(width);
        for (int x = 0; x < width; ++x) {
            mask[x] = isTransparent(image.pixel(x, y)) ? 1 : 0;
        }
        out.bytes(packRow(mask, 1, maskRowBytes));
    }
    return {width, height, out.result()};
}

} // namespace norvik
