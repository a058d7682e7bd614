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
// change, the header's date, in every file of a run: a file begun later,
// after log rotation or once the file could be written, starts with all
// values at the time of the last change before it. A port's opening sets the
// lines it found and its counts to 0; its closing is a time of its own, which
// keeps the last states up to then.
class VcdFormat : public ChangeFormat
{
public:
    QString opening(const QDateTime& next) const override;
    QString change(const LineHistory& history, const LineHistory::Change& change) override;
    const LogWriter::Framing& framing() const override;

private:
    static QString header(const QDateTime& start);
    // Every value as last written.
    QString dumpAll() const;
    // The time of a change, unless the one before shared it.
    QString newTime(std::int64_t ms);
    QString timeOf(std::int64_t ms) const;

    std::optional<std::int64_t> m_start;
    QString m_header;                      // from the first change on
    std::optional<std::int64_t> m_written; // the time last written
    std::uint8_t m_states = 0;             // as last written
    std::array<int, InputTraceCount> m_pulses{};
};
