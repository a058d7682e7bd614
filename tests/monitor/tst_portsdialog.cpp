// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PortsDialog.h"
#include "settings/PortMap.h"
#include "settings/QSettingsStore.h"
#include "support/FakeMessageBox.h"
#include "support/TestSettingsFile.h"
#include "support/WindowWaits.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

const SerialDeviceInfo Ftdi{"/dev/ttyUSB0",
                            "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
                            "FT232R USB UART", "FTDI", "A50285BI"};
const SerialDeviceInfo Pico{"/dev/ttyACM0", "", "Pico", "Raspberry Pi", ""};

// The dialog over the real store, in the settings folder CTest gives the
// test, with the devices a test says are present.
struct Rig
{
    QSettingsStore store;
    PortMap ports{store};
    FakeMessageBox messages;
    QList<SerialDeviceInfo> present;
    PortsDialog dialog{9, ports, [this] { return present; }, messages};

    explicit Rig(QList<SerialDeviceInfo> devices = {}) : present(std::move(devices)) {}

    QComboBox* box(int k) const
    {
        return dialog.findChild<QComboBox*>(QStringLiteral("Com%1").arg(k));
    }
    void type(int k, const QString& text)
    {
        box(k)->lineEdit()->selectAll();
        QTest::keyClick(box(k)->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(box(k)->lineEdit(), text);
    }
    void pressOk() { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
};

} // namespace

class TestPortsDialog : public QObject
{
    Q_OBJECT

    QString m_file;

    void writeFile(const QByteArray& content) const { TestSettingsFile::write(m_file, content); }
    QByteArray readFile() const { return TestSettingsFile::read(m_file); }

private slots:
    void initTestCase()
    {
        m_file = TestSettingsFile::path();
        QVERIFY2(!m_file.isEmpty(), "refusing to run against the real settings folder");
    }
    void init()
    {
        writeFile("[Ports]\nCom1=loop://\nCom2=/dev/ttyUSB9\nCom5=COM7\n\n"
                  "[Settings]\nComPort=2\n");
    }

    void typedValues_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // null: refused
        QTest::newRow("a device path") << 3 << "/dev/ttyUSB0"
                                       << "/dev/ttyUSB0";
        QTest::newRow("a path with blanks around it") << 4 << " /dev/ttyACM0 "
                                                      << "/dev/ttyACM0";
        QTest::newRow("the loop-back plug") << 9 << "loop://"
                                            << "loop://";
        QTest::newRow("a relative path") << 4 << "ttyUSB0" << QString();
        QTest::newRow("a Windows port") << 6 << "COM3" << QString();
        QTest::newRow("the plug misspelt") << 3 << "loop:/" << QString();
        QTest::newRow("a port server") << 7 << "rfc2217://127.0.0.1:2217"
                                       << "rfc2217://127.0.0.1:2217";
        QTest::newRow("a port server without its port") << 7 << "rfc2217://host" << QString();
        QTest::newRow("an unknown scheme") << 8 << "tcp://127.0.0.1:7000" << QString();
    }
    void typedValues()
    {
        QFETCH(int, port);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const QByteArray before = readFile();
        Rig rig;
        rig.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.dialog, WindowManagerTimeout));
        rig.type(port, typed);
        // Enter takes OK, the default button, from the box being typed in.
        QTest::keyClick(rig.box(port)->lineEdit(), Qt::Key_Return);

        if (stored.isNull()) {
            QVERIFY(rig.dialog.isVisible());
            QCOMPARE(
                rig.messages.texts,
                QStringList(QStringLiteral("Com%1: \"%2\" is not a device.").arg(port).arg(typed)));
            QVERIFY(rig.messages.informativeTexts[0].contains("loop://"));
            QCOMPARE(QApplication::focusWidget(), rig.box(port));
            QCOMPARE(rig.box(port)->lineEdit()->selectedText(), typed);
            QCOMPARE(readFile(), before);
        } else {
            QCOMPARE(rig.dialog.result(), QDialog::Accepted);
            QVERIFY(rig.messages.texts.isEmpty());
            QCOMPARE(QSettingsStore().read("Ports", QStringLiteral("Com%1").arg(port)), stored);
        }
    }

    void okWritesTheChangedRowsOnly()
    {
        Rig rig;
        QCOMPARE(rig.box(2)->currentText(), "/dev/ttyUSB9");
        rig.type(2, ""); // back to the default device
        rig.type(3, "loop://");
        rig.pressOk();

        QCOMPARE(rig.dialog.result(), QDialog::Accepted);
        QVERIFY(rig.messages.texts.isEmpty()); // Com5's hand-written "COM7" was not touched
        const QStringList ports =
            QString::fromUtf8(readFile()).split('\n').filter(QRegularExpression("^Com\\d"));
        QCOMPARE(ports, QStringList({"Com1=loop://", "Com3=loop://", "Com5=COM7"}));
        QCOMPARE(QSettingsStore().read("Settings", "ComPort"), "2");
    }

    void cancelWritesNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }
    void cancelWritesNothing()
    {
        QFETCH(bool, escape);
        const QByteArray before = readFile();
        Rig rig;
        rig.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.dialog, WindowManagerTimeout));
        rig.type(1, "/dev/ttyUSB3");
        rig.type(4, "loop://");
        if (escape)
            QTest::keyClick(rig.box(4)->lineEdit(), Qt::Key_Escape);
        else
            rig.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();

        QCOMPARE(rig.dialog.result(), QDialog::Rejected);
        QVERIFY(!rig.dialog.isVisible());
        QCOMPARE(readFile(), before);
    }

    void adaptersAreStoredByTheirStableName()
    {
        Rig rig({Ftdi, Pico});
        QStringList captions;
        for (int item = 0; item < rig.box(3)->count(); ++item)
            captions << rig.box(3)->itemText(item);
        QCOMPARE(captions, QStringList({"/dev/ttyS2 (default)",
                                        "FT232R USB UART, FTDI, A50285BI: /dev/ttyUSB0",
                                        "Pico, Raspberry Pi: /dev/ttyACM0", "loop://"}));
        QCOMPARE(rig.box(3)->lineEdit()->placeholderText(), "/dev/ttyS2 (default)");

        // Chosen from the list with the arrow keys, an item shows the name it is stored by.
        rig.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.dialog, WindowManagerTimeout));
        QTest::keyClick(rig.box(3)->lineEdit(), Qt::Key_Down);
        QCOMPARE(rig.box(3)->currentText(), Ftdi.stablePath);
        QTest::keyClick(rig.box(4)->lineEdit(), Qt::Key_Down);
        QTest::keyClick(rig.box(4)->lineEdit(), Qt::Key_Down);
        QCOMPARE(rig.box(4)->currentText(), Pico.systemLocation);
        rig.pressOk();

        QSettingsStore reread;
        QCOMPARE(reread.read("Ports", "Com3"), Ftdi.stablePath);
        QCOMPARE(reread.read("Ports", "Com4"), Pico.systemLocation);
    }
};

QTEST_MAIN(TestPortsDialog)
#include "tst_portsdialog.moc"
