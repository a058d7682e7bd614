// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/SerialDeviceInfo.h"

// The serial devices the system lists, each with its stable name when udev
// gave it one. Lists the machine's own devices, though it opens none: only
// the program itself and tests in a mock device tree call it.
QList<SerialDeviceInfo> presentSerialDevices();
