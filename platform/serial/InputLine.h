// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <QLatin1String>

// The input lines the program watches: the first three in the order of the
// window's rows, top to bottom, then Ring Indicator, which only the log
// shows. The one place that gives their order and their names.
enum class InputLine
{
    CarrierDetect,
    DataSetReady,
    ClearToSend,
    RingIndicator
};

struct InputLineNames
{
    InputLine line;
    QLatin1String shortName; // as the log and the line's pins are labelled
    QLatin1String name;      // as screen readers say it
};

inline constexpr std::array<InputLineNames, 4> InputLines{{
    {InputLine::CarrierDetect, QLatin1String("CD"), QLatin1String("Carrier Detect")},
    {InputLine::DataSetReady, QLatin1String("DSR"), QLatin1String("Data Set Ready")},
    {InputLine::ClearToSend, QLatin1String("CTS"), QLatin1String("Clear To Send")},
    {InputLine::RingIndicator, QLatin1String("RI"), QLatin1String("Ring Indicator")},
}};

// The lines with a row of their own in the window.
inline constexpr int RowCount = 3;

// The window's row of a line, or for Ring Indicator the place after them.
constexpr int rowOf(InputLine line)
{
    return static_cast<int>(line);
}
