// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LineActivity.h"
#include "platform/serial/InputLine.h"

#include <array>
#include <chrono>
#include <optional>
#include <QObject>
#include <QTimer>

class LineLog;
class MSComm;

// The life of the main window's port: opened with Request To Send and Data
// Terminal Ready asserted, brought back quietly once it was lost, closed
// while the About box is active, and read at each tick, with the pulses of
// its lines and, when there is one, their log.
class PortSession : public QObject
{
    Q_OBJECT

public:
    // How often a lost port is tried again.
    static constexpr std::chrono::milliseconds RetryInterval{1000};

    // What a tick reads of one line.
    struct Reading
    {
        bool on = false;
        bool flash = false; // a pulse came and went just now
        int pulses = 0;     // since the port opened
    };
    // By row; a row not read (the read failed) is nullopt.
    using Readings = std::array<std::optional<Reading>, 3>;

    explicit PortSession(MSComm& port);

    // Records the lines' changes in `log` from the next port opened on.
    void setLog(LineLog* log) { m_activity.setLog(log); }

    // Closes whatever port is open, then opens `portNumber` and asserts RTS
    // and DTR. False when it cannot be opened; the port's errorString() says
    // why. A remote port may still be opening on return: openFailed() then
    // tells its failure.
    bool open(int portNumber);
    // Closed by the program: nothing waits for it to come back.
    void close();
    // The program is ending: nothing is told or tried again from now on.
    void end();

    // Clear To Send, Carrier Detect and Data Set Ready, read in that order;
    // a failed read (no port open) ends the reading there.
    Readings readLines();

signals:
    // An open that open() left under way failed.
    void openFailed();
    // A line of the open port changed, between ticks.
    void linesChanged();
    // The open port went away; it is tried again about once a second.
    void lost();
    // The port opened but cannot report its lines.
    void linesUnreadable();

private:
    void portLost();
    void portLinesUnreadable();
    std::optional<bool> holding(InputLine line);

    MSComm& m_port;
    QTimer m_retry;
    LineActivity m_activity;
};
