// The Com menu: the port commands, the ports' tool tips and the Ports dialog.
#include "monitor/PortsDialog.h"
#include "monitor/Quorlin.h"
#include "platform/MSComm.h"
#include "platform/PortMap.h"
#include "settings/SettingsSchema.h"

#include <QAction>

void Quorlin::portCommand(int k)
{
    strComPort = QString::number(k);
    UncheckComMenus();
    mnuComItem[k - 1]->setChecked(true);
    SettingsSchema::write(m_platform.store, SettingsSchema::Key::ComPort, strComPort);
    Form_Activate();
}

void Quorlin::UncheckComMenus()
{
    for (QAction* port : mnuComItem)
        port->setChecked(false);
}

void Quorlin::showPortDevices()
{
    const QList<SerialDeviceInfo> present = m_platform.presentDevices();
    for (int k = 1; k <= PortCount; ++k) {
        const QString device = MSComm1.deviceFor(k);
        QString tip =
            QStringLiteral("Com%1: %2").arg(k).arg(device.isEmpty() ? tr("no device") : device);
        if (const SerialDeviceInfo* adapter = findDevice(present, device);
            adapter && !adapter->description.isEmpty())
            tip += QStringLiteral(", ") + adapter->description;
        mnuComItem[k - 1]->setToolTip(tip);
        mnuComItem[k - 1]->setStatusTip(tip);
    }
}

void Quorlin::mnuPorts_Click()
{
    PortMap ports(m_platform.store);
    const int current = MSComm1.commPort();
    const QString before = MSComm1.deviceFor(current);
    PortsDialog dialog(PortCount, ports, m_platform.presentDevices, m_platform.messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The dialog maps only the menu's ports, so a change is one of them: it
    // is opened on its new device as choosing it from the menu opens it.
    if (MSComm1.deviceFor(current) != before)
        portCommand(current);
}
