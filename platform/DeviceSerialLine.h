#pragma once

#include "platform/SerialLine.h"

#include <QSerialPort>
#include <QString>

// A serial device of the machine, named by its path ("/dev/ttyUSB0") or by
// its name under /dev ("ttyUSB0"), held exclusively while open.
class DeviceSerialLine : public SerialLine
{
public:
    explicit DeviceSerialLine(const QString& device);

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }

    bool setRequestToSend(bool asserted) override;
    bool setDataTerminalReady(bool asserted) override;

    std::optional<bool> clearToSend() const override;
    std::optional<bool> carrierDetect() const override;
    std::optional<bool> dataSetReady() const override;

private:
    std::optional<bool> holding(QSerialPort::PinoutSignal line) const;

    // Reading the lines goes through the port's error state, which changes.
    mutable QSerialPort m_port;
};
