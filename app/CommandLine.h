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

// The command line is read twice, from QCoreApplication::arguments(). Both
// readings tell a bad argument on stderr in one line and give status 2.

// First with a core application, before anything opens a display, so that
// --help, --version and mistakes are answered over ssh and in scripts too:
// the status to exit with at once (0 after the help or the version), or
// nothing when the run goes on. Options it does not know are left to the
// application object, as they may be Qt's own (-style, -platform, -reverse),
// unless no display can be reached, where Qt could not start to take them.
std::optional<int> answerBeforeDisplay();

// Then once the application object has taken Qt's options: the options to
// start with, or the status to exit with at once. --help-all, which lists
// Qt's options too, is answered here.
std::variant<StartOptions, int> readCommandLine();
