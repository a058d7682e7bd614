#include "platform/DeviceSerialLine.h"

DeviceSerialLine::DeviceSerialLine(const QString& device)
{
    m_port.setPortName(device);
    // Applied when the port opens.
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

bool DeviceSerialLine::open()
{
    return m_port.isOpen() || m_port.open(QIODevice::ReadWrite);
}

void DeviceSerialLine::close()
{
    m_port.close();
}

bool DeviceSerialLine::setRequestToSend(bool asserted)
{
    // QSerialPort warns when asked on a closed port.
    return m_port.isOpen() && m_port.setRequestToSend(asserted);
}

bool DeviceSerialLine::setDataTerminalReady(bool asserted)
{
    return m_port.isOpen() && m_port.setDataTerminalReady(asserted);
}

std::optional<bool> DeviceSerialLine::clearToSend() const
{
    return holding(QSerialPort::ClearToSendSignal);
}

std::optional<bool> DeviceSerialLine::carrierDetect() const
{
    return holding(QSerialPort::DataCarrierDetectSignal);
}

std::optional<bool> DeviceSerialLine::dataSetReady() const
{
    return holding(QSerialPort::DataSetReadySignal);
}

std::optional<bool> DeviceSerialLine::holding(QSerialPort::PinoutSignal line) const
{
    // QSerialPort warns when read while closed, and a closed line is not a
    // line that is off.
    if (!m_port.isOpen())
        return std::nullopt;
    // A failed read also returns NoSignal, indistinguishable from "all lines
    // off" but for the error it leaves behind; a pseudo-terminal, for one,
    // has no modem lines to report.
    m_port.clearError();
    const QSerialPort::PinoutSignals lines = m_port.pinoutSignals();
    if (m_port.error() != QSerialPort::NoError)
        return std::nullopt;
    return lines.testFlag(line);
}
