// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217Address.h"

#include <QtTest>

class tst_Rfc2217Address : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
};

void tst_Rfc2217Address::parses_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");

    QTest::newRow("host name") << "rfc2217://lab-rack3.example.org:4001" << true
                               << "lab-rack3.example.org" << 4001;
    QTest::newRow("IPv4") << "rfc2217://127.0.0.1:2217" << true << "127.0.0.1" << 2217;
    QTest::newRow("IPv6") << "rfc2217://[fe80::1:2]:65535" << true << "fe80::1:2" << 65535;
    QTest::newRow("scheme in capitals") << "RFC2217://host:1" << true << "host" << 1;

    QTest::newRow("no port") << "rfc2217://host" << false << "" << 0;
    QTest::newRow("empty port") << "rfc2217://host:" << false << "" << 0;
    QTest::newRow("port zero") << "rfc2217://host:0" << false << "" << 0;
    QTest::newRow("port too big") << "rfc2217://host:65536" << false << "" << 0;
    QTest::newRow("port with a sign") << "rfc2217://host:+22" << false << "" << 0;
    QTest::newRow("port not a number") << "rfc2217://host:telnet" << false << "" << 0;
    QTest::newRow("no host") << "rfc2217://:2217" << false << "" << 0;
    QTest::newRow("IPv6 without brackets") << "rfc2217://::1:2217" << false << "" << 0;
    QTest::newRow("brackets round no IPv6") << "rfc2217://[host]:2217" << false << "" << 0;
    QTest::newRow("unclosed bracket") << "rfc2217://[::1:2217" << false << "" << 0;
    QTest::newRow("a path after the port") << "rfc2217://host:2217/x" << false << "" << 0;
    QTest::newRow("options after the port")
        << "rfc2217://host:2217?logging=debug" << false << "" << 0;
    QTest::newRow("blank in the host") << "rfc2217://my host:2217" << false << "" << 0;
    QTest::newRow("another scheme") << "telnet://host:23" << false << "" << 0;
}

void tst_Rfc2217Address::parses()
{
    QFETCH(QString, device);
    QFETCH(bool, valid);
    QFETCH(QString, host);
    QFETCH(int, port);

    const std::optional<Rfc2217Address> address = parseRfc2217Address(device);
    QCOMPARE(address.has_value(), valid);
    if (valid)
        QCOMPARE(*address, (Rfc2217Address{host, quint16(port)}));
}

QTEST_APPLESS_MAIN(tst_Rfc2217Address)
#include "tst_rfc2217_address.moc"
