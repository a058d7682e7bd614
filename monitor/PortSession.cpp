// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PortSession.h"

#include "platform/serial/MSComm.h"
#include "settings/LineChoices.h"

#include <utility>

namespace {

// The order the lines are read in: a failed read ends a tick, and the lines
// read before it still show.
constexpr std::array<InputLine, 4> ReadOrder{InputLine::ClearToSend, InputLine::CarrierDetect,
                                             InputLine::DataSetReady, InputLine::RingIndicator};

constexpr std::size_t indexOf(OutputLine line)
{
    return static_cast<std::size_t>(line);
}
constexpr std::size_t BreakRefusal = OutputLines.size();

} // namespace

PortSession::PortSession(MSComm& port) : m_port(port)
{
    // Named and owned, so that it can be found as the window's controls are.
    m_retry.setObjectName(QStringLiteral("PortRecovery"));
    m_retry.setParent(this);
    m_retry.setInterval(RetryInterval);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        // One try at a time: a remote port's may outlast the interval.
        if (m_port.isOpening())
            return;
        m_port.setOpeningLevels(openingLevels(m_port.commPort()));
        m_port.setPortOpen(true);
    });
    for (const OutputLineNames& output : OutputLines) {
        QTimer& pulse = m_pulses[indexOf(output.line)];
        pulse.setSingleShot(true);
        pulse.setTimerType(Qt::PreciseTimer);
        connect(&pulse, &QTimer::timeout, this,
                [this, line = output.line] { drive(line, m_held.of(line)); });
    }
    m_break.setSingleShot(true);
    m_break.setTimerType(Qt::PreciseTimer);
    m_break.setInterval(BreakLength);
    connect(&m_break, &QTimer::timeout, this, [this] { m_port.setBreak(false); });
    connect(&m_port, &MSComm::opened, this, &PortSession::portOpened);
    // The tries for a lost port fail quietly.
    connect(&m_port, &MSComm::openFailed, this, [this] {
        if (!m_retry.isActive())
            emit openFailed();
    });
    connect(&m_port, &MSComm::linesChanged, this, &PortSession::linesChanged);
    // The port finds these out within a read of a tick; they are told once
    // the tick is over.
    connect(&m_port, &MSComm::lost, this, &PortSession::portLost, Qt::QueuedConnection);
    connect(&m_port, &MSComm::linesUnreadable, this, &PortSession::portLinesUnreadable,
            Qt::QueuedConnection);
}

void PortSession::portOpened()
{
    m_retry.stop();
    stopDriving();
    m_refusalTold = {};
    const int number = m_port.commPort();
    m_held = openingLevels(number);
    // A port that cannot drive its outputs still shows its inputs: it says
    // so only when the user drives one.
    m_port.setRTSEnable(m_held.requestToSend);
    m_port.setDTREnable(m_held.dataTerminalReady);
    m_activity.restart(QStringLiteral("Com%1 %2").arg(number).arg(m_port.deviceFor(number)),
                       m_held);
    emit outputsChanged();
}

OutputLevels PortSession::openingLevels(int portNumber) const
{
    return m_choices ? m_choices->forPort(portNumber) : OutputLevels{};
}

bool PortSession::open(int portNumber)
{
    // The caller's open takes over from waiting for a lost port.
    m_retry.stop();
    if (m_port.portOpen())
        m_port.setPortOpen(false);
    stopDriving();
    m_activity.stop(LineActivity::Clock::now());
    m_port.setCommPort(portNumber);
    m_port.setOpeningLevels(openingLevels(portNumber));
    const bool opening = m_port.setPortOpen(true);
    emit outputsChanged();
    return opening;
}

void PortSession::close()
{
    m_retry.stop();
    stopDriving();
    m_port.setPortOpen(false);
    m_activity.stop(LineActivity::Clock::now());
    emit outputsChanged();
}

void PortSession::end()
{
    m_retry.stop();
    stopDriving();
    // The port goes with the program: its last states last until now.
    m_activity.stop(LineActivity::Clock::now());
    disconnect(&m_port, nullptr, this, nullptr);
}

void PortSession::stopDriving()
{
    // What they would restore goes with the port.
    for (QTimer& pulse : m_pulses)
        pulse.stop();
    m_break.stop();
}

void PortSession::portLost()
{
    // Waiting starts before the window says so, so the port comes back even
    // while its message is still up.
    if (!m_port.isLost())
        return;
    stopDriving();
    m_activity.stop(LineActivity::Clock::now());
    m_retry.start();
    emit outputsChanged();
    emit lost();
}

bool PortSession::isOpen() const
{
    return m_port.portOpen();
}

bool PortSession::outputAsserted(OutputLine line) const
{
    return isOpen() && m_held.of(line);
}

void PortSession::setOutput(OutputLine line, bool asserted)
{
    if (!isOpen())
        return;
    m_pulses[indexOf(line)].stop();
    m_held.of(line) = asserted;
    if (m_choices)
        m_choices->choose(m_port.commPort(), line, asserted);
    drive(line, asserted);
    emit outputsChanged();
}

void PortSession::pulse(OutputLine line)
{
    QTimer& pulse = m_pulses[indexOf(line)];
    if (!isOpen() || pulse.isActive())
        return;
    if (drive(line, !m_held.of(line)))
        pulse.start(m_pulseLength);
}

void PortSession::sendBreak()
{
    if (!isOpen() || m_break.isActive())
        return;
    if (m_port.setBreak(true)) {
        m_break.start();
    } else if (!std::exchange(m_refusalTold[BreakRefusal], true)) {
        emit breakRefused();
    }
}

bool PortSession::drive(OutputLine line, bool asserted)
{
    const bool driven = line == OutputLine::DataTerminalReady ? m_port.setDTREnable(asserted)
                                                              : m_port.setRTSEnable(asserted);
    if (driven)
        m_activity.outputChanged(line, asserted, LineActivity::Clock::now());
    else if (!std::exchange(m_refusalTold[indexOf(line)], true))
        emit outputRefused(line);
    return driven;
}

void PortSession::portLinesUnreadable()
{
    if (m_port.portOpen())
        emit linesUnreadable();
}

PortSession::Readings PortSession::readLines()
{
    // With the lines, the driver's count of their edges: a line that went on
    // and off again since the last tick flashes its lamp.
    const std::optional<EdgeCounts> counts = m_port.edgeCounts();
    Readings readings;
    for (const InputLine line : ReadOrder) {
        const std::optional<bool> on = holding(line);
        if (!on)
            break;
        const int row = rowOf(line);
        const LineActivity::Row seen =
            m_activity.read(row, *on, counts, LineActivity::Clock::now());
        if (row < RowCount)
            readings[row] = Reading{*on, seen.flash, seen.pulses};
    }
    return readings;
}

std::optional<bool> PortSession::holding(InputLine line)
{
    switch (line) {
    case InputLine::CarrierDetect:
        return m_port.CDHolding();
    case InputLine::DataSetReady:
        return m_port.DSRHolding();
    case InputLine::ClearToSend:
        return m_port.CTSHolding();
    case InputLine::RingIndicator:
        break;
    }
    return m_port.RIHolding();
}
