// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <optional>
#include <QString>
#include <variant>

// What the command line asks of this run.
struct StartOptions
{
    std::optional<int> port; // --port N: the port to start on, 1 to 9
    QString settingsFile;    // --settings FILE, absolute; empty for the per-user store
    QString logFile;         // --log FILE, absolute, or "-" for standard output; empty for none
    bool pollOnly = false;   // --poll-only: read the lines at the ticks only
    // --dtr on|off, --rts on|off: how every port opens in this run
    std::optional<bool> dataTerminalReady;
    std::optional<bool> requestToSend;
    std::optional<std::chrono::milliseconds> pulseLength; // --pulse MS, 1 to 10000
};

// Reads the command line before anything opens a display, so that --help,
// --version and mistakes are answered over ssh and in scripts too. Gives the
// options to start with, or the status to exit with at once: 0 after the
// help or the version, 2 after a bad argument, told on stderr in one line.
std::variant<StartOptions, int> readCommandLine(int& argc, char* argv[]);
