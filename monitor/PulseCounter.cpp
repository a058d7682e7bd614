// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PulseCounter.h"

#include <algorithm>
#include <limits>

PulseCounter::Reading PulseCounter::read(bool on, std::optional<std::uint32_t> edgeCount)
{
    Reading reading;
    if (m_on) {
        reading.changed = on != *m_on;
        const int seen = reading.changed ? 1 : 0;
        reading.edges = seen;
        if (edgeCount && m_edgeCount) {
            // The driver's counts wrap; the difference does not.
            const std::uint32_t counted = *edgeCount - *m_edgeCount;
            reading.edges = int(std::min<std::uint32_t>(counted, std::numeric_limits<int>::max()));
        }
        // A pulse is two edges beyond what the state shows; a lone one is an
        // edge counted in one read and seen in the state of the next.
        if (reading.edges > seen)
            reading.pulses = (reading.edges - seen) / 2;
    }
    m_on = on;
    m_edgeCount = edgeCount;
    m_total += reading.pulses;
    return reading;
}

void PulseCounter::restart()
{
    *this = PulseCounter();
}
