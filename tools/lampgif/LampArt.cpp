#include "LampArt.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <istream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

constexpr int MaxSide = 0xFFFF;

[[noreturn]] void fail(const char* file, int line, const std::string& what)
{
    throw std::runtime_error(std::string(file) + " line " + std::to_string(line) + ": " + what);
}

bool isComment(const std::string& line)
{
    return line.empty() || line.front() == '#';
}

bool parseHex(std::string_view digits, std::uint8_t& value)
{
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return error == std::errc{} && end == digits.data() + digits.size();
}

// "#RRGGBB", nothing more and nothing less.
bool parseColour(const std::string& text, Rgb& colour)
{
    if (text.size() != 7 || text.front() != '#' ||
        !std::all_of(text.begin() + 1, text.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return false;
    const std::string_view digits(text);
    return parseHex(digits.substr(1, 2), colour.red) &&
           parseHex(digits.substr(3, 2), colour.green) &&
           parseHex(digits.substr(5, 2), colour.blue);
}

bool parseEntryNumber(const std::string& text, std::uint8_t& index)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > 255)
        return false;
    index = static_cast<std::uint8_t>(value);
    return true;
}

} // namespace

LampArt LampArt::parse(std::istream& map, std::istream& palette)
{
    constexpr auto PaletteFile = "lamp palette";
    constexpr auto MapFile = "lamp map";

    LampArt art;
    bool haveTransparent = false;
    std::string line;
    for (int number = 1; std::getline(palette, line); ++number) {
        if (isComment(line))
            continue;
        std::istringstream fields(line);
        std::string symbol, index, green, red, marker, extra;
        fields >> symbol >> index >> green >> red >> marker >> extra;
        Entry entry;
        if (symbol.size() != 1)
            fail(PaletteFile, number, "the symbol must be a single character");
        entry.symbol = symbol.front();
        if (!parseEntryNumber(index, entry.index))
            fail(PaletteFile, number, "the entry must be a number from 0 to 255");
        if (!parseColour(green, entry.green) || !parseColour(red, entry.red))
            fail(PaletteFile, number, "colours must be written #RRGGBB");
        if (!extra.empty() || (!marker.empty() && marker != "transparent"))
            fail(PaletteFile, number, "unexpected text after the colours");
        for (const Entry& known : art.m_entries) {
            if (known.symbol == entry.symbol)
                fail(PaletteFile, number, "symbol listed twice");
            if (known.index == entry.index)
                fail(PaletteFile, number, "entry listed twice");
        }
        if (!marker.empty()) {
            if (haveTransparent)
                fail(PaletteFile, number, "a second transparent entry");
            haveTransparent = true;
            art.m_transparentIndex = entry.index;
        }
        art.m_entries.push_back(entry);
    }
    if (!haveTransparent)
        throw std::runtime_error("lamp palette: no entry is marked transparent");

    for (int number = 1; std::getline(map, line); ++number) {
        if (isComment(line))
            continue;
        if (art.m_height == 0)
            art.m_width = static_cast<int>(line.size());
        else if (static_cast<int>(line.size()) != art.m_width)
            fail(MapFile, number, "rows differ in length");
        if (art.m_width > MaxSide || art.m_height == MaxSide)
            fail(MapFile, number, "the map is too large");
        for (const char symbol : line) {
            const auto entry =
                std::find_if(art.m_entries.begin(), art.m_entries.end(),
                             [symbol](const Entry& e) { return e.symbol == symbol; });
            if (entry == art.m_entries.end())
                fail(MapFile, number, std::string("symbol '") + symbol + "' is not in the palette");
            art.m_indices.push_back(entry->index);
        }
        ++art.m_height;
    }
    if (art.m_height == 0)
        throw std::runtime_error("lamp map: no pixel rows");
    return art;
}

std::array<Rgb, 256> LampArt::colourTable(Lamp lamp) const
{
    std::array<Rgb, 256> table{};
    for (const Entry& entry : m_entries)
        table[entry.index] = lamp == Lamp::Green ? entry.green : entry.red;
    return table;
}

GifImage LampArt::image(Lamp lamp) const
{
    return GifImage{m_width, m_height, colourTable(lamp), m_transparentIndex, m_indices};
}
