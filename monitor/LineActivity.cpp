// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineActivity.h"

#include "monitor/LineLog.h"

namespace {

std::optional<std::uint32_t> edgesOf(int row, const std::optional<EdgeCounts>& counts)
{
    if (!counts)
        return std::nullopt;
    return counts->of(InputLines[row].line);
}

} // namespace

void LineActivity::restart(const QString& port)
{
    for (PulseCounter& line : m_lines)
        line.restart();
    m_port = port;
    m_flashSince = {};
    m_opening = {};
    m_openingLogged = false;
}

LineActivity::Row LineActivity::read(int row, bool on, const std::optional<EdgeCounts>& counts,
                                     Clock::time_point now)
{
    const PulseCounter::Reading reading = m_lines[row].read(on, edgesOf(row, counts));
    if (!m_openingLogged)
        logOpening(row, on);
    else if (m_log && (reading.changed || reading.edges > 0))
        m_log->lineChanged(InputLines[row].shortName, on, reading.edges);

    // Ticks come as often as the lines change: a flash outlasts the ones
    // that follow it closely, but not a change of the line it stands for.
    std::optional<Clock::time_point>& flashSince = m_flashSince[row];
    if (reading.pulses > 0)
        flashSince = now;
    else if (reading.changed || (flashSince && now - *flashSince >= FlashTime))
        flashSince.reset();
    return {flashSince.has_value(), m_lines[row].total()};
}

void LineActivity::logOpening(int row, bool on)
{
    m_opening[row] = on;
    for (const std::optional<bool>& line : m_opening) {
        if (!line)
            return;
    }
    m_openingLogged = true;
    if (m_log)
        m_log->portOpened(m_port, *m_opening[0], *m_opening[1], *m_opening[2]);
}
