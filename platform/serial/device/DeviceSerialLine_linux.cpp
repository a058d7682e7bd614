// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/device/DeviceSerialLine.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

std::optional<EdgeCounts> DeviceSerialLine::edgeCounts() const
{
    // Drivers of real UARTs and of the common USB adapters count; others
    // answer EINVAL or ENOTTY.
    serial_icounter_struct counts{};
    if (m_port.isOpen() && ::ioctl(int(m_port.handle()), TIOCGICOUNT, &counts) == 0)
        return EdgeCounts{std::uint32_t(counts.dcd), std::uint32_t(counts.dsr),
                          std::uint32_t(counts.cts), std::uint32_t(counts.rng)};
    return std::nullopt;
}

bool DeviceSerialLine::startWatching()
{
    // The driver's wait (TIOCMIWAIT) on a thread of the watcher's own.
    if (!m_port.isOpen())
        return false;
    return m_watcher.start(int(m_port.handle()));
}
