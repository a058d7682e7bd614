// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <QLatin1String>

// The two handshake outputs the program drives.
enum class OutputLine
{
    DataTerminalReady,
    RequestToSend
};

struct OutputLineNames
{
    OutputLine line;
    QLatin1String shortName; // as the log, the menu and the settings name it
};

inline constexpr std::array<OutputLineNames, 2> OutputLines{{
    {OutputLine::DataTerminalReady, QLatin1String("DTR")},
    {OutputLine::RequestToSend, QLatin1String("RTS")},
}};

constexpr QLatin1String shortNameOf(OutputLine line)
{
    return OutputLines[static_cast<std::size_t>(line)].shortName;
}

// What the two outputs are set to, or are to be set to.
struct OutputLevels
{
    bool dataTerminalReady = true;
    bool requestToSend = true;

    bool& of(OutputLine line)
    {
        return line == OutputLine::DataTerminalReady ? dataTerminalReady : requestToSend;
    }
    bool of(OutputLine line) const
    {
        return line == OutputLine::DataTerminalReady ? dataTerminalReady : requestToSend;
    }
    bool operator==(const OutputLevels&) const = default;
};
