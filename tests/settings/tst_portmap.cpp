// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/PortMap.h"
#include "settings/QSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

// Port numbers against the real per-user store, in the private settings
// folder that CTest points XDG_CONFIG_HOME at.
class tst_PortMap : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void deviceFor_data();
    void deviceFor();
    void neverWritesTheStore();

private:
    static QByteArray storeFileContents();
};

namespace {
const QString PortsSection = QStringLiteral("Ports");

QString portKey(int portNumber)
{
    return QStringLiteral("Com%1").arg(portNumber);
}
} // namespace

void tst_PortMap::init()
{
    QSettings settings(QStringLiteral("Quorlin"), QStringLiteral("Quorlin"));
    settings.clear();
    settings.sync();
}

QByteArray tst_PortMap::storeFileContents()
{
    QFile file(QSettings(QStringLiteral("Quorlin"), QStringLiteral("Quorlin")).fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_PortMap::deviceFor_data()
{
    // A null mapping leaves the store without the key.
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("mapping");
    QTest::addColumn<QString>("device");

    QTest::newRow("0 names no port") << 0 << QString() << "";
    QTest::newRow("-1 names no port") << -1 << QString() << "";
    QTest::newRow("1 is the first on-board port") << 1 << QString() << "/dev/ttyS0";
    QTest::newRow("9") << 9 << QString() << "/dev/ttyS8";
    QTest::newRow("32767, the largest") << 32767 << QString() << "/dev/ttyS32766";
    QTest::newRow("32768 is beyond 16 bits") << 32768 << QString() << "";
    QTest::newRow("mapped to a device") << 3 << "/dev/serial/by-id/usb-FTDI_A1-if00-port0"
                                        << "/dev/serial/by-id/usb-FTDI_A1-if00-port0";
    QTest::newRow("mapped to the loop-back plug") << 12 << "loop://"
                                                  << "loop://";
    QTest::newRow("empty mapping falls back") << 4 << ""
                                              << "/dev/ttyS3";
    QTest::newRow("mapping of 0 names no port") << 0 << "loop://"
                                                << "";
    QTest::newRow("mapping of 32768 names no port") << 32768 << "loop://"
                                                    << "";
}

void tst_PortMap::deviceFor()
{
#ifndef Q_OS_LINUX
    QSKIP("The unmapped devices are those of Linux.");
#endif
    QFETCH(int, port);
    QFETCH(QString, mapping);
    QFETCH(QString, device);
    QSettingsStore store;
    if (!mapping.isNull())
        store.write(PortsSection, portKey(port), mapping);

    QCOMPARE(PortMap(store).deviceFor(port), device);
}

void tst_PortMap::neverWritesTheStore()
{
    QSettingsStore store;
    store.write(PortsSection, portKey(3), QStringLiteral("loop://"));
    store.write(PortsSection, portKey(5), QString());
    const QByteArray before = storeFileContents();
    QVERIFY(!before.isEmpty());

    const PortMap ports(store);
    for (const int port : {-1, 0, 1, 3, 4, 5, 32767, 32768})
        ports.deviceFor(port);

    QCOMPARE(storeFileContents(), before);
}

QTEST_GUILESS_MAIN(tst_PortMap)
#include "tst_portmap.moc"
