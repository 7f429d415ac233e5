#pragma once
// The byte order of the keyed files: every multi-byte integer in them is an unsigned 16-bit
// value stored low byte first. All decoding and encoding goes through these two functions.
#include <cstdint>

namespace tolvane {

// REQUIRES: bytes points at two readable bytes.
inline std::uint16_t DecodeU16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(static_cast<unsigned>(bytes[0]) |
                                      (static_cast<unsigned>(bytes[1]) << 8));
}

// REQUIRES: bytes points at two writable bytes.
inline void EncodeU16(std::uint8_t* bytes, std::uint16_t value) {
    bytes[0] = static_cast<std::uint8_t>(value & 0xFFu);
    bytes[1] = static_cast<std::uint8_t>((value >> 8) & 0xFFu);
}

}  // namespace tolvane
