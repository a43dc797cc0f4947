#pragma once
// The code page 932 mapping as two lookup tables, filled from ICU's "windows-31j" converter
// one block of 256 entries at a time, the first time a block is needed. After that a
// character costs one array read. Used by Codec932 only.
#include <atomic>
#include <cstdint>

namespace Codec932Table {

namespace detail {
// Indexed by the high byte (of the code unit, or the lead byte), then the low byte. Plain
// globals, so that the lookups below inline into the conversion loops.
extern std::uint16_t encodeTable[256][256];
extern char16_t decodeTable[256][256];
extern std::atomic<bool> encodeReady[256];
extern std::atomic<bool> decodeReady[256];
void buildEncodeBlock(std::uint8_t high);
void buildDecodeBlock(std::uint8_t lead);
} // namespace detail

// Encoded form of a UTF-16 code unit of 0x80 or above (after the Linux look-alikes are
// mapped): 0 when code page 932 has none, a value up to 0xFF for one byte, otherwise
// (lead << 8) | trail. Units below 0x80 hold themselves.
inline std::uint16_t encoded(char16_t unit) {
    const auto high = std::uint8_t(unit >> 8);
    if (!detail::encodeReady[high].load(std::memory_order_acquire)) detail::buildEncodeBlock(high);
    return detail::encodeTable[high][unit & 0xFF];
}

// The character of a lead byte and a trail byte: U+FFFD where the pair has no character or
// either byte is not valid in its place.
inline char16_t decoded(std::uint8_t lead, std::uint8_t trail) {
    if (!detail::decodeReady[lead].load(std::memory_order_acquire)) detail::buildDecodeBlock(lead);
    return detail::decodeTable[lead][trail];
}

inline bool isLeadByte(std::uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

inline bool isTrailByte(std::uint8_t b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

} // namespace Codec932Table
