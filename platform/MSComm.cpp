#include "platform/MSComm.h"

#include <utility>

MSComm::MSComm(DeviceForPort deviceForPort, LineFactory makeLine)
    : m_deviceForPort(std::move(deviceForPort)), m_makeLine(std::move(makeLine))
{}

void MSComm::setCommPort(int portNumber)
{
    m_commPort = portNumber;
}

bool MSComm::setPortOpen(bool open)
{
    // Opening an open port opens it afresh, so a port number set meanwhile is
    // the one that ends up open; the old line goes first, as it may be the
    // very device, held exclusively.
    if (m_line) {
        m_line->close();
        m_line.reset();
    }
    if (!open)
        return true;

    const QString device = m_deviceForPort(m_commPort);
    if (device.isEmpty())
        return false;
    std::unique_ptr<SerialLine> line = m_makeLine(device);
    if (!line || !line->open())
        return false;
    m_line = std::move(line);
    return true;
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

std::optional<bool> MSComm::CTSHolding() const
{
    return m_line ? m_line->clearToSend() : std::nullopt;
}

std::optional<bool> MSComm::CDHolding() const
{
    return m_line ? m_line->carrierDetect() : std::nullopt;
}

std::optional<bool> MSComm::DSRHolding() const
{
    return m_line ? m_line->dataSetReady() : std::nullopt;
}
