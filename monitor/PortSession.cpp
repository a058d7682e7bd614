// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PortSession.h"

#include "platform/serial/MSComm.h"

namespace {

// The order the lines are read in: a failed read ends a tick, and the lines
// read before it still show.
constexpr std::array<InputLine, 3> ReadOrder{InputLine::ClearToSend, InputLine::CarrierDetect,
                                             InputLine::DataSetReady};

} // namespace

PortSession::PortSession(MSComm& port) : m_port(port)
{
    // Named and owned, so that it can be found as the window's controls are.
    m_retry.setObjectName(QStringLiteral("PortRecovery"));
    m_retry.setParent(this);
    m_retry.setInterval(RetryInterval);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        // One try at a time: a remote port's may outlast the interval.
        if (!m_port.isOpening())
            m_port.setPortOpen(true);
    });
    connect(&m_port, &MSComm::opened, this, [this] {
        m_retry.stop();
        m_port.setRTSEnable(true);
        m_port.setDTREnable(true);
        const int number = m_port.commPort();
        m_activity.restart(QStringLiteral("Com%1 %2").arg(number).arg(m_port.deviceFor(number)));
    });
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

bool PortSession::open(int portNumber)
{
    // The caller's open takes over from waiting for a lost port.
    m_retry.stop();
    if (m_port.portOpen())
        m_port.setPortOpen(false);
    m_port.setCommPort(portNumber);
    return m_port.setPortOpen(true);
}

void PortSession::close()
{
    m_retry.stop();
    m_port.setPortOpen(false);
}

void PortSession::end()
{
    m_retry.stop();
    disconnect(&m_port, nullptr, this, nullptr);
}

void PortSession::portLost()
{
    // Waiting starts before the window says so, so the port comes back even
    // while its message is still up.
    if (!m_port.isLost())
        return;
    m_retry.start();
    emit lost();
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
        break;
    }
    return m_port.CTSHolding();
}
