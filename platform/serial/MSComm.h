// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/SerialLine.h"

#include <functional>
#include <memory>
#include <optional>
#include <QObject>
#include <QString>

// The main window's serial port: a port number, opened on demand as whatever
// line the number maps to. Only the user-interface thread calls it.
class MSComm : public QObject
{
    Q_OBJECT

public:
    // The device a port number names; empty when it names none.
    using DeviceForPort = std::function<QString(int portNumber)>;
    // The line that drives a device; nullptr for a device of no known kind.
    using LineFactory = std::function<std::unique_ptr<SerialLine>(const QString& device)>;

    MSComm(DeviceForPort deviceForPort, LineFactory makeLine);
    ~MSComm() override;

    // Takes effect at the next open.
    void setCommPort(int portNumber);
    int commPort() const { return m_commPort; }
    QString deviceFor(int portNumber) const { return m_deviceForPort(portNumber); }

    // Opening fails (false) when the number names no usable port or the port
    // is held elsewhere; errorString() then says why. A port that takes its
    // time (a remote one) is still opening on return, and tells how the
    // open ended by opened() or openFailed(). Closing, or opening again,
    // ends an open under way untold. Closing always succeeds.
    bool setPortOpen(bool open);
    bool portOpen() const;
    bool isOpening() const { return m_opening != nullptr; }
    // The open port went away; it is closed, and stays so until opened again.
    bool isLost() const { return m_lost; }
    // Why the last open failed or the port was lost, in the system's words.
    QString errorString() const { return m_errorString; }

    // Whether an open port whose driver can wait for a change of its lines
    // is watched for one (linesChanged()); on until turned off. Takes effect
    // at the next open.
    void setWaitsForChanges(bool waits) { m_waitsForChanges = waits; }

    // The outputs a port that sets them as it opens (a remote one) opens
    // with; both asserted unless told. Takes effect at the next open.
    void setOpeningLevels(OutputLevels levels) { m_openingLevels = levels; }

    // False while the port is closed or when it cannot drive the line.
    bool setRTSEnable(bool asserted);
    bool setDTREnable(bool asserted);
    bool setBreak(bool on);

    // nullopt while the port is closed or when the line cannot be read.
    std::optional<bool> CTSHolding();
    std::optional<bool> CDHolding();
    std::optional<bool> DSRHolding();
    std::optional<bool> RIHolding();
    // The driver's edge counts of the three lines; nullopt while the port is
    // closed or when its driver counts none. A failure here is no loss.
    std::optional<EdgeCounts> edgeCounts() const;

signals:
    // A port opened, by whatever caller.
    void opened();
    // An open that setPortOpen() left under way failed; errorString() says
    // why.
    void openFailed();
    // An input line of the open port changed, or its device hung up; told
    // at most once a frame, and only while watched (setWaitsForChanges).
    void linesChanged();
    // The open port's device went away: found by a read, or by the line
    // itself meanwhile. The port is closed by then.
    void lost();
    // The port opened, but its very first line read failed: it cannot report
    // its lines at all. Said once per open.
    void linesUnreadable();

private:
    std::optional<bool> holding(std::optional<bool> (SerialLine::*read)() const);
    void openingFinished(bool opened);
    void take(std::unique_ptr<SerialLine> line);
    void closeLine();

    DeviceForPort m_deviceForPort;
    LineFactory m_makeLine;
    int m_commPort = 1;
    std::unique_ptr<SerialLine> m_line;    // open
    std::unique_ptr<SerialLine> m_opening; // an open under way
    bool m_waitsForChanges = true;
    OutputLevels m_openingLevels;
    bool m_linesRead = false; // a read succeeded since the port opened
    bool m_unreadableSaid = false;
    bool m_lost = false;
    QString m_errorString;
};
