#pragma once

#include "GifImage.h"
#include "Rgb.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <vector>

// The two lamps share one pixel map and differ only in their colours.
enum class Lamp
{
    Green,
    Red
};

// The lamps' pixel map and colour table, read from their text sources.
//
// The map has one line per pixel row, one symbol per pixel. Each palette line
// reads "<symbol> <entry> <green colour> <red colour> [transparent]", colours
// written #RRGGBB. Blank lines and lines starting with "#" are comments.
class LampArt
{
public:
    // Throws std::runtime_error naming the file and line of the first fault.
    static LampArt parse(std::istream& map, std::istream& palette);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Colour table entry of every pixel, row by row.
    const std::vector<std::uint8_t>& indices() const { return m_indices; }
    std::uint8_t transparentIndex() const { return m_transparentIndex; }
    // All 256 entries; those that the palette does not list are black.
    std::array<Rgb, 256> colourTable(Lamp lamp) const;
    GifImage image(Lamp lamp) const;

private:
    struct Entry
    {
        char symbol{};
        std::uint8_t index{};
        Rgb green;
        Rgb red;
    };

    std::vector<Entry> m_entries;
    std::vector<std::uint8_t> m_indices;
    int m_width{0};
    int m_height{0};
    std::uint8_t m_transparentIndex{0};
};
