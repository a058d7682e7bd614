#include "Gif89aEncoder.h"

#include "LzwCompressor.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace Gif89aEncoder {
namespace {

constexpr int MaxSide = 0xFFFF;
constexpr std::size_t MaxSubBlock = 255;

constexpr std::uint8_t ExtensionIntroducer = 0x21;
constexpr std::uint8_t GraphicControlLabel = 0xF9;
constexpr std::uint8_t ImageSeparator = 0x2C;
constexpr std::uint8_t Trailer = 0x3B;

// Global colour table present, 8 bits of colour resolution, not sorted,
// 2^(7+1) = 256 entries.
constexpr std::uint8_t ScreenFlags = 0x80 | (7 << 4) | 7;
// No disposal method, no user input, transparent colour flag set.
constexpr std::uint8_t TransparentFlag = 0x01;
// No local colour table, not interlaced.
constexpr std::uint8_t ImageFlags = 0x00;

class ByteWriter
{
public:
    void byte(std::uint8_t value) { m_bytes.push_back(value); }

    void word(int value)
    {
        byte(static_cast<std::uint8_t>(value & 0xFF));
        byte(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }

    void text(std::string_view value)
    {
        for (const char c : value)
            byte(static_cast<std::uint8_t>(c));
    }

    // GIF cuts data into blocks of at most 255 bytes, each led by its length,
    // and ends the run with an empty block.
    void subBlocks(const std::vector<std::uint8_t>& data)
    {
        for (std::size_t at = 0; at < data.size(); at += MaxSubBlock) {
            const std::size_t length = std::min(MaxSubBlock, data.size() - at);
            byte(static_cast<std::uint8_t>(length));
            m_bytes.insert(m_bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                           data.begin() + static_cast<std::ptrdiff_t>(at + length));
        }
        byte(0);
    }

    std::vector<std::uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

void check(const GifImage& image)
{
    if (image.width < 1 || image.width > MaxSide || image.height < 1 || image.height > MaxSide)
        throw std::invalid_argument("image size does not fit a GIF");
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        throw std::invalid_argument("pixel count does not match the image size");
}

} // namespace

std::vector<std::uint8_t> encode(const GifImage& image)
{
    check(image);
    ByteWriter out;

    out.text("GIF89a");
    out.word(image.width);
    out.word(image.height);
    out.byte(ScreenFlags);
    out.byte(0); // background colour index
    out.byte(0); // no pixel aspect ratio given
    for (const Rgb& colour : image.colours) {
        out.byte(colour.red);
        out.byte(colour.green);
        out.byte(colour.blue);
    }

    if (image.transparentIndex) {
        out.byte(ExtensionIntroducer);
        out.byte(GraphicControlLabel);
        out.byte(4); // block size
        out.byte(TransparentFlag);
        out.word(0); // no delay
        out.byte(*image.transparentIndex);
        out.byte(0); // block terminator
    }

    out.byte(ImageSeparator);
    out.word(0); // left
    out.word(0); // top
    out.word(image.width);
    out.word(image.height);
    out.byte(ImageFlags);
    out.byte(LzwCompressor::MinCodeSize);
    out.subBlocks(LzwCompressor::compress(image.pixels));

    out.byte(Trailer);
    return out.take();
}

} // namespace Gif89aEncoder
