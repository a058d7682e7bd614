// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/MSComm.h"

#include <utility>

MSComm::MSComm(DeviceForPort deviceForPort, LineFactory makeLine)
    : m_deviceForPort(std::move(deviceForPort)), m_makeLine(std::move(makeLine))
{}

MSComm::~MSComm() = default;

void MSComm::setCommPort(int portNumber)
{
    m_commPort = portNumber;
}

bool MSComm::setPortOpen(bool open)
{
    // Opening an open port opens it afresh, so a port number set meanwhile is
    // the one that ends up open; the old line goes first, as it may be the
    // very device, held exclusively.
    closeLine();
    m_lost = false;
    m_errorString.clear();
    m_linesRead = m_unreadableSaid = false;
    if (!open)
        return true;

    const QString device = m_deviceForPort(m_commPort);
    if (device.isEmpty())
        return false;
    std::unique_ptr<SerialLine> line = m_makeLine(device);
    if (!line)
        return false;
    line->setOpeningLevels(m_openingLevels);
    const std::optional<bool> outcome = line->beginOpen();
    if (!outcome) {
        m_opening = std::move(line);
        connect(m_opening.get(), &SerialLine::openFinished, this, &MSComm::openingFinished);
        return true;
    }
    if (!*outcome) {
        m_errorString = line->errorString();
        return false;
    }
    take(std::move(line));
    return true;
}

void MSComm::openingFinished(bool opened)
{
    std::unique_ptr<SerialLine> line = std::move(m_opening);
    if (opened) {
        take(std::move(line));
        return;
    }
    m_errorString = line->errorString();
    // Its signal is still under way, so it goes once that is over, or with
    // the port if that comes first.
    line->setParent(this);
    line.release()->deleteLater();
    emit openFailed();
}

void MSComm::take(std::unique_ptr<SerialLine> line)
{
    m_line = std::move(line);
    connect(m_line.get(), &SerialLine::linesChanged, this, &MSComm::linesChanged);
    if (m_waitsForChanges)
        m_line->startWatching();
    emit opened();
}

void MSComm::closeLine()
{
    for (std::unique_ptr<SerialLine>* line : {&m_line, &m_opening}) {
        if (*line) {
            (*line)->close();
            line->reset();
        }
    }
}

bool MSComm::portOpen() const
{
    return m_line && m_line->isOpen();
}

bool MSComm::setRTSEnable(bool asserted)
{
    return m_line && m_line->setRequestToSend(asserted);
}

bool MSComm::setDTREnable(bool asserted)
{
    return m_line && m_line->setDataTerminalReady(asserted);
}

bool MSComm::setBreak(bool on)
{
    return m_line && m_line->setBreak(on);
}

std::optional<bool> MSComm::CTSHolding()
{
    return holding(&SerialLine::clearToSend);
}

std::optional<bool> MSComm::CDHolding()
{
    return holding(&SerialLine::carrierDetect);
}

std::optional<bool> MSComm::DSRHolding()
{
    return holding(&SerialLine::dataSetReady);
}

std::optional<bool> MSComm::RIHolding()
{
    return holding(&SerialLine::ringIndicator);
}

std::optional<EdgeCounts> MSComm::edgeCounts() const
{
    return m_line ? m_line->edgeCounts() : std::nullopt;
}

std::optional<bool> MSComm::holding(std::optional<bool> (SerialLine::*read)() const)
{
    if (!m_line)
        return std::nullopt;
    const std::optional<bool> level = (*m_line.*read)();
    if (level) {
        m_linesRead = true;
        return level;
    }
    // A line that was read before and fails now, like one that says it is
    // gone, has lost its device; one never read has no lines to report.
    if (m_line->isLost() || m_linesRead) {
        m_errorString = m_line->errorString();
        closeLine();
        m_lost = true;
        emit lost();
    } else if (!m_unreadableSaid) {
        m_unreadableSaid = true;
        emit linesUnreadable();
    }
    return std::nullopt;
}
