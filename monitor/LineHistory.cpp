// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineHistory.h"

#include <algorithm>

LineHistory::LineHistory(Clock::time_point start)
    : m_start(start), m_startClock(QDateTime::currentDateTime())
{}

std::int64_t LineHistory::msOf(Clock::time_point at) const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(at - m_start).count();
}

void LineHistory::portOpened(Clock::time_point at, const QString& port, std::uint8_t states)
{
    m_ports.push_back(port);
    m_states = states;
    append({msOf(at), m_firstPort + std::uint32_t(m_ports.size() - 1), Kind::Opened, 0, states,
            false});
}

void LineHistory::portClosed(Clock::time_point at)
{
    append({msOf(at), 0, Kind::Closed, 0, m_states, false});
}

void LineHistory::lineChanged(Clock::time_point at, int trace, bool on, std::uint32_t edges)
{
    const std::uint8_t bit = std::uint8_t(1U << trace);
    const bool moved = ((m_states & bit) != 0) != on;
    m_states = on ? (m_states | bit) : (m_states & ~bit);
    append({msOf(at), edges, Kind::Line, std::uint8_t(trace), m_states, moved});
}

void LineHistory::append(Change change)
{
    // Readings stamped just before one already kept (an output switched
    // between a tick's clock and its reads) stay in order.
    if (!m_changes.empty())
        change.ms = std::max(change.ms, m_changes.back().ms);
    if (m_changes.size() == Capacity) {
        if (m_changes.front().kind == Kind::Opened) {
            m_ports.pop_front();
            ++m_firstPort;
        }
        m_changes.pop_front();
        ++m_dropped;
    }
    m_changes.push_back(change);
    emit appended(change);
}

QString LineHistory::portOf(const Change& opened) const
{
    const std::size_t index = opened.count - m_firstPort;
    return index < m_ports.size() ? m_ports[index] : QString();
}

std::size_t LineHistory::firstFrom(std::int64_t ms, std::size_t from) const
{
    const auto begin = m_changes.begin() + std::ptrdiff_t(std::min(from, m_changes.size()));
    return std::size_t(
        std::lower_bound(begin, m_changes.end(), ms,
                         [](const Change& change, std::int64_t at) { return change.ms < at; }) -
        m_changes.begin());
}
