// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/PulseCounter.h"
#include "platform/serial/SerialLine.h"

#include <array>
#include <chrono>
#include <optional>
#include <QString>

class LineLog;

// What the ticks see of the three input lines since the port opened, row by
// row (0 Carrier Detect, 1 Data Set Ready, 2 Clear To Send): each line's
// pulses, and, when there is a log, a line in it for each change.
class LineActivity
{
public:
    using Clock = std::chrono::steady_clock;
    // How long a pulse's lamp shows at least the opposite colour: a tick of
    // the timer, as the eye would catch a change it shows.
    static constexpr std::chrono::milliseconds FlashTime{100};

    struct Row
    {
        // A pulse came and went less than FlashTime ago, and the line has
        // not changed since.
        bool flash = false;
        int pulses = 0; // since the port opened
        bool operator==(const Row&) const = default;
    };

    void setLog(LineLog* log) { m_log = log; }
    // The port opened: counting starts again, and the log names the port
    // with the first reading of its lines.
    void restart(const QString& port);
    Row read(int row, bool on, const std::optional<EdgeCounts>& counts, Clock::time_point now);

private:
    void logOpening(int row, bool on);

    std::array<PulseCounter, 3> m_lines;
    std::array<std::optional<Clock::time_point>, 3> m_flashSince;
    LineLog* m_log = nullptr;
    QString m_port;
    // The first reading since the port opened, until all three are logged.
    std::array<std::optional<bool>, 3> m_opening;
    bool m_openingLogged = false;
};
