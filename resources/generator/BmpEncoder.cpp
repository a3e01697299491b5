#include "BmpEncoder.h"

#include "ByteWriter.h"
#include "DibInfoHeader.h"

namespace norvik {

QByteArray BmpEncoder::encode(const QImage& image) const {
    constexpr std::uint32_t kFileHeaderBytes = 14;
    constexpr std::uint16_t kBitsPerPixel = 32;
    const int width = image.width();
    const int height = image.height();
    const auto imageBytes =
        static_cast<std::uint32_t>(DibInfoHeader::rowBytes(width, kBitsPerPixel) * height);
    const std::uint32_t pixelOffset = kFileHeaderBytes + DibInfoHeader::kSize;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + imageBytes);
    out.u32(0); // reserved
    out.u32(pixelOffset);
    DibInfoHeader{width, height, kBitsPerPixel, imageBytes}.writeTo(out);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.u8(static_cast<std::uint8_t>(qBlue(pixel)));
            out.u8(static_cast<std::uint8_t>(qGreen(pixel)));
            out.u8(static_cast<std::uint8_t>(qRed(pixel)));
            out.u8(0); // reserved in an uncompressed 32-bit DIB
        }
    }
    return out.result();
}

} // namespace norvik
