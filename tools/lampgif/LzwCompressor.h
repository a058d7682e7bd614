#pragma once

#include <cstdint>
#include <span>
#include <vector>

// GIF's variant of LZW for 8-bit colour table indices: variable code width
// from 9 up to 12 bits, packed least significant bit first.
namespace LzwCompressor {

// The minimum code size a GIF stores in front of data compressed here.
inline constexpr int MinCodeSize = 8;

// The code stream for the given indices, starting with a clear code and ending
// with the end-of-information code, not yet cut into sub-blocks.
std::vector<std::uint8_t> compress(std::span<const std::uint8_t> indices);

} // namespace LzwCompressor
