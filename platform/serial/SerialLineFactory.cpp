// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/SerialLineFactory.h"

#include "platform/serial/device/DeviceSerialLine.h"
#include "platform/serial/DeviceName.h"
#include "platform/serial/LoopbackSerialLine.h"
#include "platform/serial/rfc2217/Rfc2217Address.h"
#include "platform/serial/rfc2217/Rfc2217SerialLine.h"

std::unique_ptr<SerialLine> makeSerialLine(const QString& device)
{
    if (device.isEmpty())
        return nullptr;
    if (device == DeviceName::Loopback)
        return std::make_unique<LoopbackSerialLine>();
    if (isRfc2217Device(device)) {
        // A mistyped address names no port rather than a device file.
        const std::optional<Rfc2217Address> address = parseRfc2217Address(device);
        return address ? std::make_unique<Rfc2217SerialLine>(*address) : nullptr;
    }
    return std::make_unique<DeviceSerialLine>(device);
}
