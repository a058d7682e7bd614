// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LineHistory.h"
#include "monitor/LogWriter.h"

#include <memory>
#include <QString>

// A file format for the history's changes, written one change at a time:
// live as they come, or all of the history at once.
class ChangeFormat
{
public:
    virtual ~ChangeFormat() = default;

    // The lines a file begun before the next change, which comes at `next`,
    // needs first: the header and, once changes have been given, the states
    // they left, so that a file begun anywhere can be read on its own.
    virtual QString opening(const QDateTime& next) const = 0;
    // The lines of one change, without the last newline; empty when the
    // format has nothing to say of it. The first change given starts the
    // file's time.
    virtual QString change(const LineHistory& history, const LineHistory::Change& change) = 0;
    // How its lines reach a log.
    virtual const LogWriter::Framing& framing() const = 0;
};

// VCD for a name ending in ".vcd", CSV for ".csv"; none for other names.
std::unique_ptr<ChangeFormat> changeFormatFor(const QString& fileName);
