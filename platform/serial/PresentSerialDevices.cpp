// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/PresentSerialDevices.h"

#include "platform/serial/SystemSerialDevices.h"

#include <QDir>
#include <QFileInfo>

namespace {

// udev names each adapter's node once more under /dev/serial/by-id, after
// its vendor, model and serial number, as a link to the node.
QString stablePathOf(const QString& systemLocation, const QFileInfoList& links)
{
    // The links point at the node by its name in /dev, which is unique there.
    const QString node = QFileInfo(systemLocation).fileName();
    for (const QFileInfo& link : links) {
        if (QFileInfo(link.symLinkTarget()).fileName() == node)
            return link.absoluteFilePath();
    }
    return {};
}

} // namespace

QList<SerialDeviceInfo> presentSerialDevices()
{
    const QFileInfoList links = QDir(QStringLiteral("/dev/serial/by-id"))
                                    .entryInfoList(QDir::System | QDir::Files, QDir::Name);
    QList<SerialDeviceInfo> devices = systemSerialDevices();
    for (SerialDeviceInfo& device : devices)
        device.stablePath = stablePathOf(device.systemLocation, links);
    return devices;
}
