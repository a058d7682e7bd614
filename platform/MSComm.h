#pragma once

#include "platform/SerialLine.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The main window's serial port: a port number, opened on demand as whatever
// line the number maps to. Only the user-interface thread calls it.
class MSComm
{
public:
    // The device a port number names; empty when it names none.
    using DeviceForPort = std::function<QString(int portNumber)>;
    // The line that drives a device; nullptr for a device of no known kind.
    using LineFactory = std::function<std::unique_ptr<SerialLine>(const QString& device)>;

    MSComm(DeviceForPort deviceForPort, LineFactory makeLine);

    // Takes effect at the next open.
    void setCommPort(int portNumber);
    int commPort() const { return m_commPort; }
    QString deviceFor(int portNumber) const { return m_deviceForPort(portNumber); }

    // Opening fails (false) when the number names no usable port or the port
    // is held elsewhere. Closing always succeeds.
    bool setPortOpen(bool open);
    bool portOpen() const;

    bool setRTSEnable(bool asserted);
    bool setDTREnable(bool asserted);

    // nullopt while the port is closed or when the line cannot be read.
    std::optional<bool> CTSHolding() const;
    std::optional<bool> CDHolding() const;
    std::optional<bool> DSRHolding() const;

private:
    DeviceForPort m_deviceForPort;
    LineFactory m_makeLine;
    int m_commPort = 1;
    std::unique_ptr<SerialLine> m_line;
};
