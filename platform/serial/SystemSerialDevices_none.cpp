// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/SystemSerialDevices.h"

#include <QSerialPortInfo>

// Where the system keeps a list of its ports, Qt reads it.

QList<SerialDeviceInfo> systemSerialDevices()
{
    QList<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        devices.append({port.systemLocation(),
                        {},
                        port.description(),
                        port.manufacturer(),
                        port.serialNumber()});
    }
    return devices;
}
