#pragma once

#include "ByteWriter.h"

#include <cstdint>

namespace norvik {

// The 40-byte BITMAPINFOHEADER shared by both containers. An icon's header states twice the
// image height, because the transparency mask follows the colour bitmap.
struct DibInfoHeader {
    static constexpr std::uint32_t kSize = 40;

    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t imageBytes = 0;

    void writeTo(ByteWriter& out) const {
        out.u32(kSize);
        out.u32(static_cast<std::uint32_t>(width));
        out.u32(static_cast<std::uint32_t>(height));
        out.u16(1); // planes
        out.u16(bitsPerPixel);
        out.u32(0); // BI_RGB: no compression
        out.u32(imageBytes);
        out.u32(0); // pixels per metre: none stated
        out.u32(0);
        out.u32(0); // every palette entry is used
        out.u32(0);
    }

    // DIB rows are padded to whole 32-bit words.
    static int rowBytes(int width, int bitsPerPixel) {
        return (width * bitsPerPixel + 31) / 32 * 4;
    }
};

} // namespace norvik
