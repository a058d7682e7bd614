// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/InputLine.h"
#include "platform/serial/OutputLine.h"

// The lines the history keeps, one trace each: the inputs in the order of
// InputLines, then the outputs in the order of OutputLines.
inline constexpr int InputTraceCount = int(InputLines.size());
inline constexpr int TraceCount = InputTraceCount + int(OutputLines.size());

constexpr int traceOf(InputLine line)
{
    return rowOf(line);
}
constexpr int traceOf(OutputLine line)
{
    return InputTraceCount + static_cast<int>(line);
}
constexpr QLatin1String traceName(int trace)
{
    return trace < InputTraceCount ? InputLines[std::size_t(trace)].shortName
                                   : OutputLines[std::size_t(trace - InputTraceCount)].shortName;
}
