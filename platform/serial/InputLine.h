// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <QLatin1String>

// The three input lines the program watches, in the order of the window's
// rows, top to bottom: the one place that gives their order and their names.
enum class InputLine
{
    CarrierDetect,
    DataSetReady,
    ClearToSend
};

struct InputLineNames
{
    InputLine line;
    QLatin1String shortName; // as the log and the line's pins are labelled
    QLatin1String name;      // as screen readers say it
};

inline constexpr std::array<InputLineNames, 3> InputLines{{
    {InputLine::CarrierDetect, QLatin1String("CD"), QLatin1String("Carrier Detect")},
    {InputLine::DataSetReady, QLatin1String("DSR"), QLatin1String("Data Set Ready")},
    {InputLine::ClearToSend, QLatin1String("CTS"), QLatin1String("Clear To Send")},
}};

// The window's row of a line.
constexpr int rowOf(InputLine line)
{
    return static_cast<int>(line);
}
