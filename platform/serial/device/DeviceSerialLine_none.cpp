// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/device/DeviceSerialLine.h"

// Neither edge counts nor a wait for a change: the ticks read the lines.

std::optional<EdgeCounts> DeviceSerialLine::edgeCounts() const
{
    return std::nullopt;
}

bool DeviceSerialLine::startWatching()
{
    return false;
}
