#include "LzwCompressor.h"

#include <unordered_map>

namespace LzwCompressor {
namespace {

constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int FirstFreeCode = ClearCode + 2;
constexpr int MaxCodeBits = 12;
constexpr int CodeLimit = 1 << MaxCodeBits;

// Appends codes of varying width to a byte string, low bits first.
class BitPacker
{
public:
    void put(int code, int width)
    {
        m_pending |= static_cast<std::uint32_t>(code) << m_pendingBits;
        m_pendingBits += width;
        while (m_pendingBits >= 8) {
            m_bytes.push_back(static_cast<std::uint8_t>(m_pending & 0xFFu));
            m_pending >>= 8;
            m_pendingBits -= 8;
        }
    }

    std::vector<std::uint8_t> finish()
    {
        if (m_pendingBits > 0)
            m_bytes.push_back(static_cast<std::uint8_t>(m_pending & 0xFFu));
        m_pending = 0;
        m_pendingBits = 0;
        return std::move(m_bytes);
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_pending{0};
    int m_pendingBits{0};
};

// The string table: a string is known by the code of its prefix and its last
// index, which together make a unique key.
class StringTable
{
public:
    void reset()
    {
        m_codes.clear();
        m_nextCode = FirstFreeCode;
        m_codeBits = MinCodeSize + 1;
    }

    int find(int prefix, std::uint8_t last) const
    {
        const auto it = m_codes.find(key(prefix, last));
        return it == m_codes.end() ? -1 : it->second;
    }

    bool full() const { return m_nextCode == CodeLimit; }

    void add(int prefix, std::uint8_t last)
    {
        m_codes.emplace(key(prefix, last), m_nextCode++);
        // The decoder adds each string one code later than we do, so it
        // widens its codes one code later too: widen once the table holds a
        // code that no longer fits, not as soon as it reaches the limit.
        if (m_nextCode > (1 << m_codeBits) && m_codeBits < MaxCodeBits)
            ++m_codeBits;
    }

    int codeBits() const { return m_codeBits; }

private:
    static std::uint32_t key(int prefix, std::uint8_t last)
    {
        return (static_cast<std::uint32_t>(prefix) << 8) | last;
    }

    std::unordered_map<std::uint32_t, int> m_codes;
    int m_nextCode{FirstFreeCode};
    int m_codeBits{MinCodeSize + 1};
};

} // namespace

std::vector<std::uint8_t> compress(std::span<const std::uint8_t> indices)
{
    BitPacker out;
    StringTable table;
    out.put(ClearCode, table.codeBits());
    if (indices.empty()) {
        out.put(EndCode, table.codeBits());
        return out.finish();
    }

    int current = indices.front();
    for (const std::uint8_t index : indices.subspan(1)) {
        if (const int longer = table.find(current, index); longer >= 0) {
            current = longer;
            continue;
        }
        out.put(current, table.codeBits());
        if (table.full()) {
            // Start over rather than keep a frozen table: simple, and every
            // decoder handles it.
            out.put(ClearCode, table.codeBits());
            table.reset();
        } else {
            table.add(current, index);
        }
        current = index;
    }
    out.put(current, table.codeBits());
    out.put(EndCode, table.codeBits());
    return out.finish();
}

} // namespace LzwCompressor
