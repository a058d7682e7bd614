// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/ChangeFormat.h"

#include <QStringList>

// Comma-separated values, a change to a row: "time,line,state,edges", the
// time as the text log writes it. A port's opening is a row naming it with
// state "opened", followed by a row for each line as first read (0 edges);
// its closing is a row naming it with state "closed". A file begun while a
// port is open, after log rotation or once the file could be written, starts
// with a row for each line as it was at the last change before (0 edges).
class CsvFormat : public ChangeFormat
{
public:
    QString opening(const QDateTime& next) const override;
    QString change(const LineHistory& history, const LineHistory::Change& change) override;
    const LogWriter::Framing& framing() const override;

private:
    // A row for each line in `states`, with 0 edges.
    static QStringList states(const QDateTime& at, std::uint8_t states);

    QString m_port; // the port open, as its rows name it
    bool m_open = false;
    // As of the last change.
    QDateTime m_last;
    std::uint8_t m_states = 0;
};
