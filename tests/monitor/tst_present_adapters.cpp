#include "monitor/PortsDialog.h"
#include "monitor/Quorlin.h"
#include "platform/MSComm.h"
#include "platform/PortMap.h"
#include "platform/PresentSerialDevices.h"
#include "support/FakePlatform.h"
#include "support/QuorlinControls.h"

#include <QComboBox>
#include <QMenu>
#include <QTest>

// The serial ports the system lists, in a mock device tree that holds one
// FTDI adapter: the tree is the test's, so that no device of the machine is
// probed.
class TestPresentAdapters : public QObject
{
    Q_OBJECT

    const QString m_byId =
        QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("UMOCKDEV_DIR"),
                 "listing the serial ports outside a mock device tree probes the machine's");
    }

    void theAdapterIsListedWithItsStableName()
    {
        const QList<SerialDeviceInfo> expected{
            {"/dev/ttyUSB0", m_byId, "FT232R USB UART", "FTDI", "A50285BI"}};
        QCOMPARE(presentSerialDevices(), expected);
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
                                rig.programs, presentSerialDevices, rig.helpFile});
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
};

QTEST_MAIN(TestPresentAdapters)
#include "tst_present_adapters.moc"
