// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/PresentSerialDevices.h"
#include "support/MockDeviceTree.h"

#include <memory>
#include <QFile>
#include <QTest>

// The serial devices the system lists, in a mock device tree of the test's
// own: a PC's four on-board ports with a UART behind the first only, a
// virtual terminal, USB adapters and a PCI card, named by themselves or by
// udev's hardware database. An adapter is described as Qt described it.
class TestPresentSerialDevices : public QObject
{
    Q_OBJECT

    std::unique_ptr<MockDeviceTree> m_tree;

private slots:
    void initTestCase()
    {
        m_tree = std::make_unique<MockDeviceTree>();
        for (const char* devices : {"sentinel", "onboard", "ftdi", "named-by-hwdb"}) {
            QString error;
            QVERIFY2(m_tree->add(devices, error), qPrintable(error));
        }
        QVERIFY2(QFile::exists("/dev/ttyQuorlin0"),
                 "not in the mock device tree: listing the serial ports would read the "
                 "machine's (run under umockdev-wrapper)");
    }
    void cleanupTestCase() { m_tree.reset(); }

    void aDeviceIsListedAsItIs_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("stablePath");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("serialNumber");

        QTest::newRow("on-board port with a UART") << "/dev/ttyS0" << true << ""
                                                   << ""
                                                   << ""
                                                   << "";
        for (const char* empty : {"/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"}) {
            QTest::addRow("on-board port with no UART: %s", empty) << empty << false << ""
                                                                   << ""
                                                                   << ""
                                                                   << "";
        }
        QTest::newRow("virtual terminal") << "/dev/ttyQuorlin0" << false << ""
                                          << ""
                                          << ""
                                          << "";
        QTest::newRow("adapter named by itself")
            << "/dev/ttyUSB0" << true
            << "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"
            << "FT232R USB UART"
            << "FTDI"
            << "A50285BI";
        QTest::newRow("adapter named by the database too")
            << "/dev/ttyUSB1" << true
            << "/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0"
            << "USB-Serial Controller"
            << "Prolific Technology Inc."
            << "";
        QTest::newRow("card named by the database only") << "/dev/ttyS4" << true << ""
                                                         << "MCS9865 PCI to 1-port Serial"
                                                         << "MosChip Semiconductor"
                                                         << "";
    }
    void aDeviceIsListedAsItIs()
    {
        QFETCH(QString, node);
        QFETCH(bool, listed);
        QFETCH(QString, stablePath);
        QFETCH(QString, description);
        QFETCH(QString, manufacturer);
        QFETCH(QString, serialNumber);

        const QList<SerialDeviceInfo> devices = presentSerialDevices();
        const SerialDeviceInfo* device = findDevice(devices, node);
        QCOMPARE(device != nullptr, listed);
        if (listed) {
            const SerialDeviceInfo expected{node, stablePath, description, manufacturer,
                                            serialNumber};
            QCOMPARE(*device, expected);
        }
    }
};

QTEST_MAIN(TestPresentSerialDevices)
#include "tst_present_serial_devices.moc"
