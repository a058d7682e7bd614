// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/PulseCounter.h"
#include "platform/serial/SerialLine.h"

#include <array>
#include <chrono>
#include <optional>
#include <QString>

class LineHistory;
class LineLog;

// What the ticks see of the input lines since the port opened, line by line
// in the order of InputLines (the window's rows, then Ring Indicator): each
// line's pulses, and, in the history and the log when there are, each change
// and each switch of an output.
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
    void setHistory(LineHistory* history) { m_history = history; }
    // The port opened with `outputs`: counting starts again, and the log
    // names the port with the first reading of its lines.
    void restart(const QString& port, const OutputLevels& outputs);
    Row read(int line, bool on, const std::optional<EdgeCounts>& counts, Clock::time_point now);
    // The program switched an output of the open port.
    void outputChanged(OutputLine line, bool on, Clock::time_point now);
    // The port closed, or went away.
    void stop(Clock::time_point now);

private:
    static constexpr std::size_t Count = InputLines.size();

    void logOpening(int line, bool on, Clock::time_point now);

    std::array<PulseCounter, Count> m_lines;
    std::array<std::optional<Clock::time_point>, Count> m_flashSince;
    LineLog* m_log = nullptr;
    LineHistory* m_history = nullptr;
    QString m_port;
    // The first reading since the port opened, until all lines are logged,
    // and the outputs as they stand then.
    std::array<std::optional<bool>, Count> m_opening;
    OutputLevels m_outputs;
    bool m_openingLogged = false;
};
