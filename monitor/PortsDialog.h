// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/SerialDeviceInfo.h"
#include "platform/serial/SerialDeviceMonitor.h"

#include <QDialog>
#include <QList>

class MessageBox;
class PortMap;
class QComboBox;

// Com, Ports…: the device of each port number, one row a port. A row left
// empty keeps the port's default device; a row offers the adapters present,
// the loop-back plug, and whatever the user types; adapters plugged in or
// pulled out while it is open come and go there. OK stores the rows that
// changed; Cancel and Escape store nothing.
class PortsDialog : public QDialog
{
    Q_OBJECT

public:
    PortsDialog(int portCount, PortMap& ports, ListSerialDevices listDevices, MessageBox& messages,
                QWidget* parent = nullptr);

    // Checks what was typed, and stays open on the first row that names no
    // device, saying which.
    void accept() override;

private:
    void rescan();
    void fillList(QComboBox& box);
    // The row's device as the store is to keep it; empty for the default.
    QString entered(int row) const;

    PortMap& m_ports;
    ListSerialDevices m_listDevices;
    MessageBox& m_messages;
    // Listening before the first listing: nothing plugged in meanwhile is missed.
    SerialDeviceMonitor m_plugs;
    QList<SerialDeviceInfo> m_devices;
    QList<QComboBox*> m_boxes; // row k - 1 for port k
    QList<QString> m_mappings; // what the store held for each row on opening
};
