// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LineActivity.h"
#include "platform/serial/InputLine.h"
#include "platform/serial/OutputLine.h"

#include <array>
#include <chrono>
#include <optional>
#include <QObject>
#include <QTimer>

class LineChoices;
class LineHistory;
class LineLog;
class MSComm;

// The life of the main window's port: opened with Request To Send and Data
// Terminal Ready as chosen for it (asserted unless told otherwise), brought
// back quietly once it was lost, closed while the About box is active, and
// read at each tick, with the pulses of its lines and, when there is one,
// their log. The user drives its outputs through it: switched, pulsed, and
// a break sent.
class PortSession : public QObject
{
    Q_OBJECT

public:
    // How often a lost port is tried again.
    static constexpr std::chrono::milliseconds RetryInterval{1000};
    static constexpr std::chrono::milliseconds DefaultPulseLength{100};
    static constexpr std::chrono::milliseconds BreakLength{250};

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
    // Keeps the lines' changes, and the ports' openings and closings, in
    // `history` from the next port opened on.
    void setHistory(LineHistory* history) { m_activity.setHistory(history); }
    // The outputs each port opens with, and where the user's switches are
    // kept; without, every port opens with both asserted.
    void setLineChoices(LineChoices* choices) { m_choices = choices; }
    // How long a pulse holds its line the other way.
    void setPulseLength(std::chrono::milliseconds length) { m_pulseLength = length; }

    // Closes whatever port is open, then opens `portNumber` and sets RTS
    // and DTR as chosen for it. False when it cannot be opened; the port's
    // errorString() says why. A remote port may still be opening on return:
    // openFailed() then tells its failure.
    bool open(int portNumber);
    // Closed by the program: nothing waits for it to come back.
    void close();
    // The program is ending: nothing is told or tried again from now on.
    void end();

    // Clear To Send, Carrier Detect and Data Set Ready, read in that order;
    // a failed read (no port open) ends the reading there.
    Readings readLines();

    bool isOpen() const;
    // How the program holds the output on the open port, a pulse aside;
    // false while no port is open.
    bool outputAsserted(OutputLine line) const;
    // The user's switch: at once, and kept as the port's choice.
    void setOutput(OutputLine line, bool asserted);
    // The line the other way for the pulse length, then back; a pulse of
    // the line under way is left to end.
    void pulse(OutputLine line);
    // A break for BreakLength; one under way is left to end.
    void sendBreak();

signals:
    // An open that open() left under way failed.
    void openFailed();
    // A line of the open port changed, between ticks.
    void linesChanged();
    // The open port went away; it is tried again about once a second.
    void lost();
    // The port opened but cannot report its lines.
    void linesUnreadable();
    // A port opened or closed, or an output was switched.
    void outputsChanged();
    // The open port cannot drive the output, or cannot send a break; told
    // once for each while it stays open.
    void outputRefused(OutputLine line);
    void breakRefused();

private:
    void portOpened();
    void portLost();
    void portLinesUnreadable();
    void stopDriving();
    OutputLevels openingLevels(int portNumber) const;
    // Sets the output, and says so in the log; a refusal is told once.
    bool drive(OutputLine line, bool asserted);
    std::optional<bool> holding(InputLine line);

    MSComm& m_port;
    QTimer m_retry;
    LineActivity m_activity;
    LineChoices* m_choices = nullptr;
    std::chrono::milliseconds m_pulseLength = DefaultPulseLength;
    OutputLevels m_held; // of the open port
    std::array<QTimer, OutputLines.size()> m_pulses;
    QTimer m_break;
    // Refusals told since the port opened: the outputs', then the break's.
    std::array<bool, OutputLines.size() + 1> m_refusalTold{};
};
