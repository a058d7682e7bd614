// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/SerialDeviceInfo.h"

// The serial devices the system says are present, without their stable
// names, decided from what the system publishes about them: no device is
// opened to find out. SystemSerialDevices_linux.cpp reads the kernel's and
// udev's records; SystemSerialDevices_none.cpp asks Qt.
QList<SerialDeviceInfo> systemSerialDevices();
