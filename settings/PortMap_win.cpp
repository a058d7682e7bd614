// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/PortMap.h"

// Windows numbers its ports itself.
const bool PortMap::MapsPorts = false;

QString PortMap::defaultDevice(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}
