// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineActivity.h"

#include "monitor/LineHistory.h"
#include "monitor/LineLog.h"

namespace {

std::optional<std::uint32_t> edgesOf(int line, const std::optional<EdgeCounts>& counts)
{
    if (!counts)
        return std::nullopt;
    return counts->of(InputLines[line].line);
}

std::uint8_t statesOf(const std::array<bool, InputLines.size()>& inputs,
                      const OutputLevels& outputs)
{
    unsigned states = 0;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        states |= unsigned(inputs[i]) << i;
    for (const OutputLineNames& output : OutputLines)
        states |= unsigned(outputs.of(output.line)) << traceOf(output.line);
    return std::uint8_t(states);
}

} // namespace

void LineActivity::restart(const QString& port, const OutputLevels& outputs)
{
    for (PulseCounter& line : m_lines)
        line.restart();
    m_port = port;
    m_outputs = outputs;
    m_flashSince = {};
    m_opening = {};
    m_openingLogged = false;
}

LineActivity::Row LineActivity::read(int line, bool on, const std::optional<EdgeCounts>& counts,
                                     Clock::time_point now)
{
    const PulseCounter::Reading reading = m_lines[line].read(on, edgesOf(line, counts));
    if (!m_openingLogged) {
        logOpening(line, on, now);
    } else if (reading.changed || reading.edges > 0) {
        if (m_log)
            m_log->lineChanged(InputLines[line].shortName, on, reading.edges);
        if (m_history)
            m_history->lineChanged(now, line, on, std::uint32_t(reading.edges));
    }

    // Ticks come as often as the lines change: a flash outlasts the ones
    // that follow it closely, but not a change of the line it stands for.
    std::optional<Clock::time_point>& flashSince = m_flashSince[line];
    if (reading.pulses > 0)
        flashSince = now;
    else if (reading.changed || (flashSince && now - *flashSince >= FlashTime))
        flashSince.reset();
    return {flashSince.has_value(), m_lines[line].total()};
}

void LineActivity::outputChanged(OutputLine line, bool on, Clock::time_point now)
{
    // Before the port's first line in the log, the switch is part of it.
    if (!m_openingLogged) {
        m_outputs.of(line) = on;
        return;
    }
    if (m_log)
        m_log->outputChanged(line, on);
    if (m_history)
        m_history->lineChanged(now, traceOf(line), on, 1);
}

void LineActivity::stop(Clock::time_point now)
{
    // A port closed before its lines were first read has no opening to end.
    if (m_history && m_openingLogged)
        m_history->portClosed(now);
    m_openingLogged = false;
    m_opening = {};
}

void LineActivity::logOpening(int line, bool on, Clock::time_point now)
{
    m_opening[line] = on;
    std::array<bool, Count> inputs{};
    for (std::size_t i = 0; i < Count; ++i) {
        if (!m_opening[i])
            return;
        inputs[i] = *m_opening[i];
    }
    m_openingLogged = true;
    if (m_log)
        m_log->portOpened(m_port, inputs, m_outputs);
    if (m_history)
        m_history->portOpened(now, m_port, statesOf(inputs, m_outputs));
}
