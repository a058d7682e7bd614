// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/SystemSerialDevices.h"
#include "platform/serial/UdevHandles.h"

#include <QByteArray>

// The kernel's terminals as udev lists them, with the names udev gave the
// adapters. Whether a port is there is read from sysfs: probing it instead
// would open it, and opening a port can toggle a line of whatever is wired
// to it.

namespace {

QString property(udev_device* tty, const char* name)
{
    return QString::fromUtf8(udev_device_get_property_value(tty, name));
}

// udev writes the names it read from the device with '_' for each blank
// ("FT232R_USB_UART"); the hardware database's names it keeps as they are,
// and those stand in where the device names itself not.
QString name(udev_device* tty, const char* own, const char* fromDatabase)
{
    const QString named = property(tty, own);
    return named.isEmpty() ? property(tty, fromDatabase) : QString(named).replace('_', ' ');
}

// The kernel's serial core tells each of its ports' kind of UART, 0 for
// none: of the four ports the 8250 driver sets up on a PC, those with no
// UART behind them. Terminals that are not the serial core's tell none.
bool hasUart(udev_device* tty)
{
    const char* type = udev_device_get_sysattr_value(tty, "type");
    return !type || QByteArray(type).trimmed().toInt() != 0;
}

} // namespace

QList<SerialDeviceInfo> systemSerialDevices()
{
    QList<SerialDeviceInfo> devices;
    const UdevHandles::Context udev(udev_new());
    const UdevHandles::Enumeration ttys(udev ? udev_enumerate_new(udev.get()) : nullptr);
    if (!ttys)
        return devices;
    udev_enumerate_add_match_subsystem(ttys.get(), "tty");
    udev_enumerate_scan_devices(ttys.get());
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(ttys.get()))
    {
        const UdevHandles::Device tty(
            udev_device_new_from_syspath(udev.get(), udev_list_entry_get_name(entry)));
        // Virtual consoles and pseudo-terminals have no device behind them.
        if (!tty || !udev_device_get_parent(tty.get()) || !hasUart(tty.get()))
            continue;
        const char* node = udev_device_get_devnode(tty.get());
        if (!node)
            continue;
        devices.append({QString::fromUtf8(node),
                        {},
                        name(tty.get(), "ID_MODEL", "ID_MODEL_FROM_DATABASE"),
                        name(tty.get(), "ID_VENDOR", "ID_VENDOR_FROM_DATABASE"),
                        property(tty.get(), "ID_SERIAL_SHORT")});
    }
    return devices;
}
