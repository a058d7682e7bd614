// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PortsDialog.h"
#include "monitor/Quorlin.h"
#include "platform/serial/MSComm.h"
#include "platform/serial/PresentSerialDevices.h"
#include "settings/PortMap.h"
#include "support/FakePlatform.h"
#include "support/MockDeviceTree.h"
#include "support/QuorlinControls.h"

#include <memory>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

// The adapters present as the windows show them, in a mock device tree of
// the test's own, so that no device of the machine is listed. The first test
// plugs in an FTDI adapter, the next one finds it, and the last one pulls it
// out: umockdev cannot add a device again once it was taken out. How each
// kind of device is listed is tst_present_serial_devices's.
class TestPresentAdapters : public QObject
{
    Q_OBJECT

    const QString m_byId =
        QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    // The adapter's USB device, above its tty.
    const QString m_usbDevice = QStringLiteral("/sys/devices/pci0000:00/0000:00:14.0/usb1/1-1");
    std::unique_ptr<MockDeviceTree> m_tree;

private slots:
    void initTestCase()
    {
        m_tree = std::make_unique<MockDeviceTree>();
        QString error;
        // The sentinel, a virtual terminal no listing shows, keeps Qt from
        // falling back to the real /dev when the tree holds no other tty.
        QVERIFY2(m_tree->add("sentinel", error), qPrintable(error));
        QVERIFY2(QFile::exists("/dev/ttyQuorlin0"),
                 "not in the mock device tree: listing the serial ports would probe the "
                 "machine's (run under umockdev-wrapper)");
    }
    void cleanupTestCase() { m_tree.reset(); }

    void theOpenDialogFindsTheAdapterPluggedIn()
    {
        FakeSettingsStore store;
        PortMap ports(store);
        FakeMessageBox messages;
        PortsDialog dialog(Quorlin::PortCount, ports, presentSerialDevices, messages);
        QComboBox* box = dialog.findChild<QComboBox*>("Com1");
        QCOMPARE(box->findData(m_byId), -1);
        QTest::keyClicks(box->lineEdit(), "/dev/tty"); // being typed as the list changes

        QString error;
        QVERIFY2(m_tree->add("ftdi", error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(box->findData(m_byId) > 0, 10000);
        QCOMPARE(box->currentText(), "/dev/tty");
    }

    void theDialogAndTheToolTipsDescribeIt()
    {
        FakePlatform rig;
        rig.store.values[{"Ports", "Com3"}] = "/dev/ttyUSB0";
        rig.store.values[{"Ports", "Com4"}] = m_byId;
        PortMap ports(rig.store);
        MSComm serial([&ports](int n) { return ports.deviceFor(n); },
                      [](const QString&) { return nullptr; });
        Quorlin window(Platform{rig.store, serial, rig.messages, rig.help, rig.registry,
                                rig.programs, presentSerialDevices, rig.helpFile, WindowSystem{}});
        emit window.findChild<QMenu*>("mnuCom")->aboutToShow();
        QCOMPARE(QuorlinControls::portItem(window, 3)->toolTip(),
                 "Com3: /dev/ttyUSB0, FT232R USB UART");
        QCOMPARE(QuorlinControls::portItem(window, 4)->toolTip(),
                 "Com4: " + m_byId + ", FT232R USB UART");
        QCOMPARE(QuorlinControls::portItem(window, 5)->toolTip(), "Com5: /dev/ttyS4");

        PortsDialog dialog(Quorlin::PortCount, ports, presentSerialDevices, rig.messages);
        const QComboBox* box = dialog.findChild<QComboBox*>("Com1");
        const int item = box->findData(m_byId);
        QVERIFY(item > 0);
        QCOMPARE(box->itemText(item), "FT232R USB UART, FTDI, A50285BI: /dev/ttyUSB0");
    }

    void theOpenDialogLosesTheAdapterPulledOut()
    {
        FakeSettingsStore store;
        PortMap ports(store);
        FakeMessageBox messages;
        PortsDialog dialog(Quorlin::PortCount, ports, presentSerialDevices, messages);
        const QComboBox* box = dialog.findChild<QComboBox*>("Com1");
        QVERIFY(box->findData(m_byId) > 0);

        m_tree->remove(m_usbDevice);
        QTRY_COMPARE_WITH_TIMEOUT(box->findData(m_byId), -1, 10000);
    }
};

QTEST_MAIN(TestPresentAdapters)
#include "tst_present_adapters.moc"
