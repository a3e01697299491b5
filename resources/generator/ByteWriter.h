#pragma once

#include <QByteArray>

#include <cstdint>

namespace norvik {

// Appends the little-endian fields that the ICO and BMP containers are made of.
class ByteWriter {
public:
    void u8(std::uint8_t value) { bytes_.append(static_cast<char>(value)); }

    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value & 0xFFu));
        u8(static_cast<std::uint8_t>(value >> 8));
    }

    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value & 0xFFFFu));
        u16(static_cast<std::uint16_t>(value >> 16));
    }

    void zeros(int count) { bytes_.append(count, '\0'); }

    void bytes(const QByteArray& more) { bytes_.append(more); }

    const QByteArray& result() const { return bytes_; }

private:
    QByteArray bytes_;
};

} // namespace norvik
