// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

// One input line's pulses: changes that came and went between two reads of
// the line, too quick for the reads to see. The driver's count of the line's
// edges tells them: edges beyond the one a changed state shows are the line
// going on and off again, two to a pulse.
class PulseCounter
{
public:
    // What one read found since the one before it.
    struct Reading
    {
        bool changed = false; // the state differs from the previous read
        int edges = 0;        // as counted; without counts, the change seen
        int pulses = 0;
    };

    // The first read after restart() is where counting starts: it finds
    // nothing. `edgeCount` is the driver's, nullopt when it counts none.
    Reading read(bool on, std::optional<std::uint32_t> edgeCount);
    // Pulses since the restart.
    int total() const { return m_total; }
    void restart();

private:
    std::optional<bool> m_on;
    std::optional<std::uint32_t> m_edgeCount;
    int m_total = 0;
};
