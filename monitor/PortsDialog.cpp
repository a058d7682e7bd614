// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PortsDialog.h"

#include "platform/MessageBox.h"
#include "platform/serial/DeviceName.h"
#include "settings/PortMap.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
// Wide enough for "/dev/ttyUSB0" and the like; the list opens wider for the
// adapters' longer captions.
constexpr int BoxCharacters = 32;
} // namespace

PortsDialog::PortsDialog(int portCount, PortMap& ports, ListSerialDevices listDevices,
                         MessageBox& messages, QWidget* parent)
    : QDialog(parent), m_ports(ports), m_listDevices(std::move(listDevices)), m_messages(messages),
      m_devices(m_listDevices())
{
    setObjectName(QStringLiteral("PortsDialog"));
    setWindowTitle(tr("Ports"));

    auto* rows = new QFormLayout;
    for (int k = 1; k <= portCount; ++k) {
        const QString name = QStringLiteral("Com%1").arg(k);
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->setAccessibleName(name);
        box->setEditable(true);
        // What the user types is the row's device as typed: not another
        // item, nor completed to an item's caption.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(BoxCharacters);
        box->lineEdit()->setPlaceholderText(tr("%1 (default)").arg(PortMap::defaultDevice(k)));
        fillList(*box);
        m_mappings.append(m_ports.mappingFor(k));
        // The arrow keys go on from the item of the device mapped, if listed.
        box->setCurrentIndex(std::max(0, box->findData(m_mappings.last())));
        box->setEditText(m_mappings.last());
        // A chosen item shows the device it stands for, as the store will keep it.
        connect(box, &QComboBox::activated, box,
                [box](int item) { box->setEditText(box->itemData(item).toString()); });

        auto* label = new QLabel(QStringLiteral("Com&%1").arg(k), this);
        label->setBuddy(box);
        rows->addRow(label, box);
        m_boxes.append(box);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PortsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PortsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(buttons);

    connect(&m_plugs, &SerialDeviceMonitor::changed, this, &PortsDialog::rescan);
}

void PortsDialog::fillList(QComboBox& box)
{
    // The list changes under what the user is typing, which stays as it is.
    const QSignalBlocker quiet(box);
    const QString text = box.currentText();
    const int cursor = box.lineEdit()->cursorPosition();
    box.clear();
    box.addItem(box.lineEdit()->placeholderText(), QString());
    for (const SerialDeviceInfo& device : std::as_const(m_devices)) {
        const QString summary = device.summary();
        box.addItem(summary.isEmpty()
                        ? device.systemLocation
                        : QStringLiteral("%1: %2").arg(summary, device.systemLocation),
                    device.mappingName());
    }
    box.addItem(DeviceName::Loopback, QString(DeviceName::Loopback));
    box.view()->setMinimumWidth(box.view()->sizeHintForColumn(0));
    box.setEditText(text);
    box.lineEdit()->setCursorPosition(cursor);
}

void PortsDialog::rescan()
{
    QList<SerialDeviceInfo> devices = m_listDevices();
    if (devices == m_devices)
        return;
    m_devices = std::move(devices);
    for (QComboBox* box : std::as_const(m_boxes))
        fillList(*box);
}

QString PortsDialog::entered(int row) const
{
    return m_boxes[row]->currentText().trimmed();
}

void PortsDialog::accept()
{
    for (int row = 0; row < m_boxes.size(); ++row) {
        const QString device = entered(row);
        // A mapping the user wrote by hand stays, whatever it says, until
        // the row is changed.
        if (device.isEmpty() || device == m_mappings[row] || DeviceName::isAcceptable(device))
            continue;
        const int portNumber = row + 1;
        m_messages.show(this, tr("Com%1: \"%2\" is not a device.").arg(portNumber).arg(device),
                        tr("Enter %1, or leave the box empty for %2.")
                            .arg(DeviceName::acceptedKinds(), PortMap::defaultDevice(portNumber)));
        m_boxes[row]->setFocus();
        m_boxes[row]->lineEdit()->selectAll();
        return;
    }
    for (int row = 0; row < m_boxes.size(); ++row) {
        const QString device = entered(row);
        if (device != m_mappings[row])
            m_ports.setMapping(row + 1, device);
    }
    QDialog::accept();
}
