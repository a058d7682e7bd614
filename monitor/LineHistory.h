// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/Traces.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <QDateTime>
#include <QObject>
#include <QString>

// Every change of the lines since the program started, for every port
// opened, on the monotonic clock: the newest Capacity changes, the older
// ones dropped from the front. The ports' openings and closings are changes
// too, so that each stretch of a trace belongs to the port it was read on.
class LineHistory : public QObject
{
    Q_OBJECT

public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t Capacity = 1'000'000;

    enum class Kind : std::uint8_t
    {
        Line,   // a line changed, or pulsed between two reads
        Opened, // a port opened; `states` are its lines' first reading
        Closed  // the port closed or went away; the states are its last
    };

    // Sixteen bytes, so that a full history stays small.
    struct Change
    {
        std::int64_t ms = 0; // since the history began, never decreasing
        // Line: the edges counted since the line's previous change. Opened:
        // the opening's number, which names its port (portOf()).
        std::uint32_t count = 0;
        Kind kind = Kind::Line;
        std::uint8_t trace = 0;  // Line: which line
        std::uint8_t states = 0; // every trace's state after the change, a bit each
        bool moved = false;      // Line: the state differs from before

        bool on(int line) const { return (states >> line) & 1U; }
        // Line: the pulses that came and went between the two reads.
        int pulses() const { return kind == Kind::Line ? int(count - (moved ? 1 : 0)) / 2 : 0; }
    };

    explicit LineHistory(Clock::time_point start = Clock::now());

    // `states` as Change::states.
    void portOpened(Clock::time_point at, const QString& port, std::uint8_t states);
    void portClosed(Clock::time_point at);
    void lineChanged(Clock::time_point at, int trace, bool on, std::uint32_t edges);

    const std::deque<Change>& changes() const { return m_changes; }
    // The port of an Opened change kept in the history.
    QString portOf(const Change& opened) const;
    // How many of the oldest changes were dropped: the history now begins
    // with the first change kept.
    std::uint64_t dropped() const { return m_dropped; }
    // The first change at `ms` or later, by binary search from `from` on.
    std::size_t firstFrom(std::int64_t ms, std::size_t from = 0) const;
    // The clock time of a moment of the history.
    QDateTime clockTime(std::int64_t ms) const { return m_startClock.addMSecs(ms); }
    // The moment of `at` in the history's milliseconds.
    std::int64_t msOf(Clock::time_point at) const;

signals:
    void appended(const LineHistory::Change& change);

private:
    void append(Change change);

    Clock::time_point m_start;
    QDateTime m_startClock;
    std::deque<Change> m_changes;
    // The ports of the Opened changes kept, oldest first, numbered on from
    // m_firstPort.
    std::deque<QString> m_ports;
    std::uint32_t m_firstPort = 0;
    std::uint64_t m_dropped = 0;
    std::uint8_t m_states = 0;
};
