// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <QString>

// Where a port server listens: "rfc2217://HOST:PORT", HOST a host name, an
// IPv4 address or an IPv6 address in brackets ("rfc2217://[::1]:2217").
struct Rfc2217Address
{
    QString host; // without the brackets of an IPv6 address
    quint16 port = 0;

    bool operator==(const Rfc2217Address&) const = default;
};

// True for a device that names a port server, well written or not.
bool isRfc2217Device(const QString& device);

// nullopt for anything but a well-written address: no host, a port that is
// missing, zero or over 65535, anything after the port.
std::optional<Rfc2217Address> parseRfc2217Address(const QString& device);
