#pragma once

#include <cstdint>

// One colour table entry, eight bits per channel as GIF stores it.
struct Rgb
{
    std::uint8_t red{};
    std::uint8_t green{};
    std::uint8_t blue{};

    friend bool operator==(const Rgb&, const Rgb&) = default;
};
