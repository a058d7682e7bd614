// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/DeviceName.h"

#include "platform/serial/rfc2217/Rfc2217Address.h"

#include <QCoreApplication>
#include <QDir>

namespace DeviceName {

// Each kind of device the program can open has its case here, and its words
// in acceptedKinds() below.
bool isAcceptable(const QString& name)
{
    if (name == Loopback)
        return true;
    if (isRfc2217Device(name))
        return parseRfc2217Address(name).has_value();
    // Any absolute path may name a device node, present or not: an adapter
    // can be mapped before it is plugged in.
    return QDir::isAbsolutePath(name);
}

QString acceptedKinds()
{
    return QCoreApplication::translate("DeviceName",
                                       "a device path such as /dev/ttyUSB0, %1, or a port server "
                                       "as rfc2217://HOST:PORT")
        .arg(Loopback);
}

} // namespace DeviceName
