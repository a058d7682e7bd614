// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/SerialLine.h"

#include <memory>
#include <QString>

// The line that drives a device: the built-in loop-back plug for "loop://",
// a serial device for anything else, nullptr for no device at all.
std::unique_ptr<SerialLine> makeSerialLine(const QString& device);
