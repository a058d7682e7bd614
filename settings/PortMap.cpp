// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/PortMap.h"

#include "settings/SettingsStore.h"

#include <limits>

namespace {

const QString Section = QStringLiteral("Ports");

QString keyFor(int portNumber)
{
    return QStringLiteral("Com%1").arg(portNumber);
}

} // namespace

PortMap::PortMap(SettingsStore& store) : m_store(store) {}

QString PortMap::deviceFor(int portNumber) const
{
    if (portNumber < 1 || portNumber > std::numeric_limits<qint16>::max())
        return {};
    if (MapsPorts) {
        const QString mapped = mappingFor(portNumber);
        if (!mapped.isEmpty())
            return mapped;
    }
    return defaultDevice(portNumber);
}

QString PortMap::mappingFor(int portNumber) const
{
    return m_store.read(Section, keyFor(portNumber));
}

void PortMap::setMapping(int portNumber, const QString& device)
{
    if (device.isEmpty())
        m_store.remove(Section, keyFor(portNumber));
    else
        m_store.write(Section, keyFor(portNumber), device);
}
