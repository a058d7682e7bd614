#pragma once

#include <QString>

class SettingsStore;

// Which device a port number names. The user can point a number at any
// device, or at "loop://", in section "Ports" of the store ("Com3=/dev/ttyUSB0");
// the program only reads that section, it never fills it in.
class PortMap
{
public:
    explicit PortMap(const SettingsStore& store);

    // Empty when the number names no port: below 1, or beyond a signed
    // 16-bit number.
    QString deviceFor(int portNumber) const;

private:
    const SettingsStore& m_store;
};
