// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/PortMap.h"

// Port numbers are only a convention here, which the user can override port
// by port; port 1 is the first on-board port, as COM1 is on Windows.
const bool PortMap::MapsPorts = true;

QString PortMap::defaultDevice(int portNumber)
{
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}
