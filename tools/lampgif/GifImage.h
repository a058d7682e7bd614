#pragma once

#include "Rgb.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A single-frame paletted picture as a GIF file holds it: a full 256-entry
// global colour table and one colour table index per pixel, row by row.
struct GifImage
{
    int width{};
    int height{};
    std::array<Rgb, 256> colours{};
    std::optional<std::uint8_t> transparentIndex;
    std::vector<std::uint8_t> pixels;
};
