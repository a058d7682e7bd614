// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/SerialDeviceMonitor.h"
#include "platform/serial/UdevHandles.h"

#include <QSocketNotifier>

// udev's own announcements, sent once its rules have run: by then the
// device's node and its /dev/serial/by-id name are there to be listed.
struct SerialDeviceMonitor::Source
{
    UdevHandles::Context udev{udev_new()};
    UdevHandles::Monitor monitor{udev ? udev_monitor_new_from_netlink(udev.get(), "udev")
                                      : nullptr};
    std::unique_ptr<QSocketNotifier> readable;
};

SerialDeviceMonitor::SerialDeviceMonitor(QObject* parent)
    : QObject(parent), m_source(std::make_unique<Source>())
{
    // Where udev cannot be heard, nothing is told: the list stays as it was.
    udev_monitor* monitor = m_source->monitor.get();
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0)
        return;
    m_source->readable =
        std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor), QSocketNotifier::Read);
    connect(m_source->readable.get(), &QSocketNotifier::activated, this, [this, monitor] {
        // All that came together is told once: the listener lists everything anew.
        while (UdevHandles::Device(udev_monitor_receive_device(monitor))) {
        }
        emit changed();
    });
}

SerialDeviceMonitor::~SerialDeviceMonitor() = default;
