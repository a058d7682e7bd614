// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class SettingsStore;

// Which device a port number names. The user can point a number at any
// device, or at "loop://", in section "Ports" of the store ("Com3=/dev/ttyUSB0"):
// by hand, or through the Ports dialog, the one place the program writes it.
class PortMap
{
public:
    explicit PortMap(SettingsStore& store);

    // Empty when the number names no port: below 1, or beyond a signed
    // 16-bit number.
    QString deviceFor(int portNumber) const;
    // The device a port number names when the store maps it to none.
    static QString defaultDevice(int portNumber);
    // Whether the store's mapping is read at all: not where the system
    // numbers its ports itself.
    static const bool MapsPorts;

    // What the store maps the number to; empty when it maps it to nothing.
    QString mappingFor(int portNumber) const;
    // An empty device takes the mapping out, so that the number names its
    // default device again.
    void setMapping(int portNumber, const QString& device);

private:
    SettingsStore& m_store;
};
