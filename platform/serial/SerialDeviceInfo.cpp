// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/SerialDeviceInfo.h"

#include <QStringList>

QString SerialDeviceInfo::summary() const
{
    QStringList known;
    for (const QString& part : {description, manufacturer, serialNumber}) {
        if (!part.isEmpty())
            known.append(part);
    }
    return known.join(QStringLiteral(", "));
}

const SerialDeviceInfo* findDevice(const QList<SerialDeviceInfo>& devices, const QString& device)
{
    if (device.isEmpty())
        return nullptr;
    for (const SerialDeviceInfo& present : devices) {
        if (present.systemLocation == device || present.stablePath == device)
            return &present;
    }
    return nullptr;
}
