// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/SerialLineFactory.h"
#include "support/PseudoTerminal.h"

#include <QRegularExpression>
#include <QtTest>

// Each kind of line on its own, as the factory makes it for a device: the
// loop-back plug and a pseudo-terminal through QSerialPort.
class tst_SerialLines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void closedLineFailsQuietly_data();
    void closedLineFailsQuietly();
    void noDeviceMakesNoLine_data();
    void noDeviceMakesNoLine();

private:
    PseudoTerminal m_pty;
};

void tst_SerialLines::initTestCase()
{
    QVERIFY2(!m_pty.slavePath().isEmpty(), "no pseudo-terminal");
}

void tst_SerialLines::init()
{
    // QSerialPort complains aloud when misused (say, read while closed).
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void tst_SerialLines::closedLineFailsQuietly_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("openFirst");
    QTest::newRow("loop-back plug, never opened") << "loop://" << false;
    QTest::newRow("loop-back plug, closed") << "loop://" << true;
    QTest::newRow("pseudo-terminal, never opened") << m_pty.slavePath() << false;
    QTest::newRow("pseudo-terminal, closed") << m_pty.slavePath() << true;
    QTest::newRow("port server, never opened") << "rfc2217://127.0.0.1:2217" << false;
}

void tst_SerialLines::closedLineFailsQuietly()
{
    QFETCH(QString, device);
    QFETCH(bool, openFirst);
    const std::unique_ptr<SerialLine> line = makeSerialLine(device);
    QVERIFY(line);
    if (openFirst) {
        QVERIFY(line->open());
        QVERIFY(line->isOpen());
    }
    line->close();

    QVERIFY(!line->isOpen());
    QCOMPARE(line->clearToSend(), std::nullopt);
    QCOMPARE(line->carrierDetect(), std::nullopt);
    QCOMPARE(line->dataSetReady(), std::nullopt);
    QCOMPARE(line->ringIndicator(), std::nullopt);
    QVERIFY(!line->setRequestToSend(true));
    QVERIFY(!line->setDataTerminalReady(true));
    QVERIFY(!line->setBreak(true));
}

void tst_SerialLines::noDeviceMakesNoLine_data()
{
    QTest::addColumn<QString>("device");
    QTest::newRow("nothing") << QString();
    // Not a device file of that name either.
    QTest::newRow("port server without a port") << "rfc2217://localhost";
}

void tst_SerialLines::noDeviceMakesNoLine()
{
    QFETCH(QString, device);
    QVERIFY(!makeSerialLine(device));
}

QTEST_GUILESS_MAIN(tst_SerialLines)
#include "tst_seriallines.moc"
