// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/SerialDeviceMonitor.h"

#include <chrono>
#include <QTimer>

// No word from the system when a device comes or goes: the listener looks
// again every so often.

namespace {
// Adapters plugged in or pulled out show up within this.
constexpr std::chrono::milliseconds LookAgainInterval{1500};
} // namespace

struct SerialDeviceMonitor::Source
{
    QTimer again;
};

SerialDeviceMonitor::SerialDeviceMonitor(QObject* parent)
    : QObject(parent), m_source(std::make_unique<Source>())
{
    m_source->again.setInterval(LookAgainInterval);
    connect(&m_source->again, &QTimer::timeout, this, &SerialDeviceMonitor::changed);
    m_source->again.start();
}

SerialDeviceMonitor::~SerialDeviceMonitor() = default;
