// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <QList>
#include <QString>

// A serial device the system says is present, as the user is shown it.
struct SerialDeviceInfo
{
    QString systemLocation; // "/dev/ttyUSB0"
    QString stablePath;     // its "/dev/serial/by-id/..." name; empty when it has none
    QString description;
    QString manufacturer;
    QString serialNumber;

    // The name a mapping keeps: the stable one, which stays the same when the
    // adapter comes back under another number.
    QString mappingName() const { return stablePath.isEmpty() ? systemLocation : stablePath; }
    // Description, manufacturer and serial number, those that are known.
    QString summary() const;

    bool operator==(const SerialDeviceInfo&) const = default;
};

// The serial devices present now. Listing them reads what the machine has,
// so tests that are not in a mock device tree list a fixed set.
using ListSerialDevices = std::function<QList<SerialDeviceInfo>()>;

// The present device that a mapping names, by either of its names; nullptr
// when none of them is.
const SerialDeviceInfo* findDevice(const QList<SerialDeviceInfo>& devices, const QString& device);
