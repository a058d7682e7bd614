#pragma once

#include "GifImage.h"

#include <cstdint>
#include <vector>

namespace Gif89aEncoder {

// The whole GIF89a file for the image: header, logical screen with the
// 256-entry global colour table, a graphic control extension when the image
// has a transparent index, one non-interlaced image at the origin, trailer.
// Throws std::invalid_argument when the size and the pixels disagree or the
// size does not fit a GIF.
std::vector<std::uint8_t> encode(const GifImage& image);

} // namespace Gif89aEncoder
