// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <QObject>

// Tells when serial devices may have come or gone, so that whoever shows
// them lists them again then and only then. On Linux udev tells each device
// added or removed as it happens (SerialDeviceMonitor_linux.cpp); elsewhere
// the devices may have changed at any time (SerialDeviceMonitor_none.cpp).
class SerialDeviceMonitor : public QObject
{
    Q_OBJECT

public:
    explicit SerialDeviceMonitor(QObject* parent = nullptr);
    ~SerialDeviceMonitor() override;

signals:
    void changed();

private:
    struct Source;
    std::unique_ptr<Source> m_source;
};
