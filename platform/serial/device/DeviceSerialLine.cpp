// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/device/DeviceSerialLine.h"

#include "platform/serial/ExclusiveHold.h"

// What the system's driver tells beyond the lines themselves, the edge counts
// and the wait for a change, is in DeviceSerialLine_linux.cpp, or
// DeviceSerialLine_none.cpp where there is neither.

DeviceSerialLine::DeviceSerialLine(const QString& device)
{
    m_port.setPortName(device);
    // Applied when the port opens.
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(ReceiveBufferSize);

    // Nobody reads the data: the kernel's queue is emptied with the port's
    // buffer, so a flood costs a wake-up now and then, not memory.
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port,
                     [this] { m_port.clear(QSerialPort::Input); });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { errorOccurred(error); });
    connect(&m_watcher, &LineChangeWatcher::changed, this, &SerialLine::linesChanged);
}

bool DeviceSerialLine::open()
{
    if (m_port.isOpen())
        return true;
    m_lost = false;
    m_errorString.clear();
    // Another program's hold is respected, root or not; the probe stays open
    // until the port is, so the device is never closed in between.
    const ExclusiveHold::Probe probe(devicePath());
    if (!probe.refusal().isEmpty())
        return refuse(probe.refusal());
    if (!m_port.open(QIODevice::ReadWrite))
        return refuse(m_port.errorString());
    if (!ExclusiveHold::lock(int(m_port.handle()))) {
        m_port.close();
        return refuse(ExclusiveHold::heldElsewhere());
    }
    return true;
}

bool DeviceSerialLine::refuse(const QString& reason)
{
    m_errorString = reason;
    return false;
}

void DeviceSerialLine::close()
{
    // The watch holds the device open too, and lets go of it first.
    m_watcher.stop();
    m_port.close();
}

void DeviceSerialLine::errorOccurred(QSerialPort::SerialPortError error)
{
    // A hung-up device (an adapter pulled out) first fails a read, with a
    // stale reason, then everything else with an I/O error.
    if (m_port.isOpen() && (error == QSerialPort::ResourceError || error == QSerialPort::ReadError))
        lose();
}

void DeviceSerialLine::lose()
{
    close();
    m_lost = true;
    m_errorString = tr("The device was disconnected.");
}

QString DeviceSerialLine::devicePath() const
{
    const QString name = m_port.portName();
    return name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
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

bool DeviceSerialLine::setBreak(bool on)
{
    return m_port.isOpen() && m_port.setBreakEnabled(on);
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

std::optional<bool> DeviceSerialLine::ringIndicator() const
{
    return holding(QSerialPort::RingIndicatorSignal);
}

std::optional<bool> DeviceSerialLine::holding(QSerialPort::PinoutSignal line) const
{
    // QSerialPort warns when read while closed, and a closed line is not a
    // line that is off.
    if (!m_port.isOpen())
        return std::nullopt;
    // A failed read also returns NoSignal, indistinguishable from "all lines
    // off" but for the error it leaves behind; a pseudo-terminal, for one,
    // has no modem lines to report. A device found gone meanwhile has closed
    // the port.
    m_port.clearError();
    const QSerialPort::PinoutSignals lines = m_port.pinoutSignals();
    if (m_port.error() != QSerialPort::NoError || !m_port.isOpen())
        return std::nullopt;
    return lines.testFlag(line);
}
