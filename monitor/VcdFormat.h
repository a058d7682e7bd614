// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/ChangeFormat.h"

#include <array>
#include <optional>

// A value change dump (IEEE 1364), as PulseView and GTKWave read it: one
// scope "quorlin" with a wire for each line and, for each input, the pulses
// counted since its port opened as an integer, since a pulse between two
// reads has no time of its own. Times are milliseconds from the first
// change. A port's opening sets the lines it found and its counts to 0; its
// closing is a time of its own, which keeps the last states up to then.
class VcdFormat : public ChangeFormat
{
public:
    QString header() const override;
    QString change(const LineHistory& history, const LineHistory::Change& change) override;
    const LogWriter::Framing& framing() const override;

private:
    QString dumpAll(const LineHistory::Change& change) const;
    QString timeOf(std::int64_t ms);

    std::optional<std::int64_t> m_start;
    std::optional<std::int64_t> m_written; // the time last written
    std::uint8_t m_states = 0;             // as last written
    std::array<int, InputTraceCount> m_pulses{};
};
