// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/LineChangeWatcher.h"
#include "platform/serial/SerialLine.h"

#include <QSerialPort>
#include <QString>

// A serial device of the machine, named by its path ("/dev/ttyUSB0") or by
// its name under /dev ("ttyUSB0"), held exclusively while open. What the
// device sends is thrown away as it comes, so memory stays bounded.
class DeviceSerialLine : public SerialLine
{
    Q_OBJECT

public:
    // The most the port buffers of what the device sends.
    static constexpr qint64 ReceiveBufferSize = 1024;

    explicit DeviceSerialLine(const QString& device);

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    bool isLost() const override { return m_lost; }
    QString errorString() const override { return m_errorString; }

    bool setRequestToSend(bool asserted) override;
    bool setDataTerminalReady(bool asserted) override;
    bool setBreak(bool on) override;

    std::optional<bool> clearToSend() const override;
    std::optional<bool> carrierDetect() const override;
    std::optional<bool> dataSetReady() const override;
    std::optional<bool> ringIndicator() const override;

    std::optional<EdgeCounts> edgeCounts() const override;
    bool startWatching() override;

private:
    bool refuse(const QString& reason);
    void errorOccurred(QSerialPort::SerialPortError error);
    void lose();
    QString devicePath() const;
    std::optional<bool> holding(QSerialPort::PinoutSignal line) const;

    // Reading the lines goes through the port's error state, which changes.
    mutable QSerialPort m_port;
    bool m_lost = false;
    QString m_errorString;
    LineChangeWatcher m_watcher;
};
