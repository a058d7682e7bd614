// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/ChangeFormat.h"

// Comma-separated values, a change to a row: "time,line,state,edges", the
// time as the text log writes it. A port's opening is a row naming it with
// state "opened", followed by a row for each line as first read (0 edges);
// its closing is a row naming it with state "closed".
class CsvFormat : public ChangeFormat
{
public:
    QString header() const override;
    QString change(const LineHistory& history, const LineHistory::Change& change) override;
    const LogWriter::Framing& framing() const override;

private:
    QString m_port; // the port open, as its rows name it
};
