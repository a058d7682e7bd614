// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/SerialDeviceInfo.h"

// The serial devices the system lists, each with its stable name when udev
// gave it one. Probes the machine's on-board ports: only the program itself
// and tests in a mock device tree call it.
QList<SerialDeviceInfo> presentSerialDevices();
