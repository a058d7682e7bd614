// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCoreApplication>
#include <QString>

// What the main window says about its port, named by its number as text.
namespace PortMessages {

inline QString notAvailable(const QString& port)
{
    return QCoreApplication::translate("PortMessages",
                                       "COM %1: not available. Check for correct Com Port.")
        .arg(port);
}

inline QString linesUnreadable(const QString& port)
{
    return QCoreApplication::translate(
               "PortMessages", "COM %1: the port opened but cannot report its handshake lines.")
        .arg(port);
}

} // namespace PortMessages
