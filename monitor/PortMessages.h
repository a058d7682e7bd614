// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// What the main window says about its port, named by its number as text.
namespace PortMessages {

inline QString notAvailable(const QString& port)
{
    return QStringLiteral("COM ") + port +
           QStringLiteral(": not available. Check for correct Com Port.");
}

inline QString linesUnreadable(const QString& port)
{
    return QStringLiteral("COM ") + port +
           QStringLiteral(": the port opened but cannot report its handshake lines.");
}

} // namespace PortMessages
