// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// The names a port's device can go by, as the user types them.
namespace DeviceName {

// The built-in loop-back plug.
inline constexpr QLatin1String Loopback{"loop://"};

// Whether the text names a device of a kind the program can open: an
// absolute device path, the loop-back plug or a port server's address.
bool isAcceptable(const QString& name);

// The kinds isAcceptable() takes, for a message that asks for one of them.
QString acceptedKinds();

} // namespace DeviceName
