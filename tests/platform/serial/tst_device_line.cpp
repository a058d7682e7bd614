// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/device/DeviceSerialLine.h"
#include "support/ModemLinesFile.h"
#include "support/PseudoTerminal.h"

#include <QtTest>
#include <sys/file.h>
#include <sys/ioctl.h>

// A serial device through QSerialPort: a pseudo-terminal given modem lines by
// the preloaded library, unplugged by closing its master.
class tst_DeviceLine : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void inputsFollowTheDevice_data();
    void inputsFollowTheDevice();
    void outputsReachTheDevice();
    void breaksReachTheDevice();
    void edgesAsTheDriverCounts_data();
    void edgesAsTheDriverCounts();
    void watchedChangesAreTold();
    void unplugClosesAndSaysLost();
    void refusedWithReason_data();
    void refusedWithReason();

private:
    std::unique_ptr<PseudoTerminal> m_pty;
    ModemLinesFile m_lines;
};

void tst_DeviceLine::init()
{
    m_pty = std::make_unique<PseudoTerminal>();
    QVERIFY2(!m_pty->slavePath().isEmpty(), "no pseudo-terminal");
    QVERIFY(m_lines.write(""));
}

void tst_DeviceLine::inputsFollowTheDevice_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<bool>("cts");
    QTest::addColumn<bool>("cd");
    QTest::addColumn<bool>("dsr");
    QTest::addColumn<bool>("ri");
    QTest::newRow("none") << QByteArray() << false << false << false << false;
    QTest::newRow("CTS") << QByteArray("CTS") << true << false << false << false;
    QTest::newRow("CD") << QByteArray("CD") << false << true << false << false;
    QTest::newRow("DSR") << QByteArray("DSR") << false << false << true << false;
    QTest::newRow("RI") << QByteArray("RI") << false << false << false << true;
    QTest::newRow("all") << QByteArray("CTS CD DSR RI") << true << true << true << true;
}

void tst_DeviceLine::inputsFollowTheDevice()
{
    QFETCH(QByteArray, lines);
    QFETCH(bool, cts);
    QFETCH(bool, cd);
    QFETCH(bool, dsr);
    QFETCH(bool, ri);
    DeviceSerialLine line(m_pty->slavePath());
    QVERIFY(line.open());
    QVERIFY(m_lines.write(lines));
    QCOMPARE(line.clearToSend(), cts);
    QCOMPARE(line.carrierDetect(), cd);
    QCOMPARE(line.dataSetReady(), dsr);
    QCOMPARE(line.ringIndicator(), ri);
    QVERIFY(!line.isLost());
}

void tst_DeviceLine::outputsReachTheDevice()
{
    DeviceSerialLine line(m_pty->slavePath());
    QVERIFY(line.open());
    QVERIFY(line.setRequestToSend(true));
    QVERIFY(line.setDataTerminalReady(true));
    QCOMPARE(m_lines.read(), QByteArray("RTS DTR"));
    QVERIFY(line.setRequestToSend(false));
    QCOMPARE(m_lines.read(), QByteArray("DTR"));
}

void tst_DeviceLine::breaksReachTheDevice()
{
    DeviceSerialLine line(m_pty->slavePath());
    QVERIFY(line.open());
    QVERIFY(line.setBreak(true));
    QCOMPARE(m_lines.read(), QByteArray("BREAK"));
    QVERIFY(line.setBreak(false));
    QCOMPARE(m_lines.read(), QByteArray());
}

void tst_DeviceLine::edgesAsTheDriverCounts_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<bool>("counted");
    QTest::addColumn<QList<std::uint32_t>>("edges"); // CD, DSR, CTS, RI
    QTest::newRow("counted") << QByteArray("CTS CTS=3 CD=1 RI=5") << true
                             << QList<std::uint32_t>{1, 0, 3, 5};
    QTest::newRow("not counted") << QByteArray("CTS NOWAIT") << false << QList<std::uint32_t>{};
}

void tst_DeviceLine::edgesAsTheDriverCounts()
{
    QFETCH(QByteArray, lines);
    QFETCH(bool, counted);
    QFETCH(QList<std::uint32_t>, edges);
    DeviceSerialLine line(m_pty->slavePath());
    QVERIFY(line.open());
    QVERIFY(m_lines.write(lines));
    const std::optional<EdgeCounts> counts = line.edgeCounts();
    QCOMPARE(counts.has_value(), counted);
    if (counts)
        QCOMPARE((QList<std::uint32_t>{counts->carrierDetect, counts->dataSetReady,
                                       counts->clearToSend, counts->ringIndicator}),
                 edges);
    // Writing the outputs keeps the counts.
    QVERIFY(line.setRequestToSend(true));
    QCOMPARE(line.edgeCounts().has_value(), counted);
    if (counts)
        QCOMPARE(line.edgeCounts()->clearToSend, 3u);
}

void tst_DeviceLine::watchedChangesAreTold()
{
    DeviceSerialLine line(m_pty->slavePath());
    QSignalSpy told(&line, &SerialLine::linesChanged);
    QVERIFY(!line.startWatching()); // nothing to watch while closed
    QVERIFY(line.open());
    QVERIFY(line.startWatching());
    QVERIFY(m_lines.changeUntilTold("CTS", told));
    // Closing ends the watch and lets go of the device.
    line.close();
    QVERIFY(m_pty->slaveIsFree());
}

void tst_DeviceLine::unplugClosesAndSaysLost()
{
    DeviceSerialLine line(m_pty->slavePath());
    QVERIFY(line.open());
    QVERIFY(m_lines.write("CTS"));
    QCOMPARE(line.clearToSend(), true);

    // Found by the next line read: newer Qt no longer reports the hang-up of
    // a port that is not read from by itself.
    m_pty->unplug();
    QCOMPARE(line.clearToSend(), std::nullopt);
    // Closed at once, so the dead device does not hold on to its name.
    QTRY_VERIFY(line.isLost());
    QVERIFY(!line.isOpen());
    QVERIFY(!line.errorString().isEmpty());
    QCOMPARE(line.carrierDetect(), std::nullopt);
}

void tst_DeviceLine::refusedWithReason_data()
{
    QTest::addColumn<QString>("hold");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing device") << "missing"
                                    << "No such file or directory";
    QTest::newRow("flock by another program") << "flock"
                                              << "held by another program";
    QTest::newRow("TIOCEXCL by another program") << "TIOCEXCL"
                                                 << "held by another program";
}

void tst_DeviceLine::refusedWithReason()
{
    QFETCH(QString, hold);
    QFETCH(QString, reason);
    const QByteArray path = m_pty->slavePath().toLocal8Bit();
    const int holder = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(holder >= 0);
    if (hold == QLatin1String("flock"))
        QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
    else if (hold == QLatin1String("TIOCEXCL"))
        QCOMPARE(::ioctl(holder, TIOCEXCL), 0);

    DeviceSerialLine line(hold == QLatin1String("missing") ? m_pty->slavePath() + "-missing"
                                                           : m_pty->slavePath());
    QVERIFY(!line.open());
    QVERIFY(!line.isOpen());
    QCOMPARE(line.errorString(), reason);

    // The other program's hold is as it was.
    int exclusive = 0;
    QCOMPARE(::ioctl(holder, TIOCGEXCL, &exclusive), 0);
    QCOMPARE(exclusive != 0, hold == QLatin1String("TIOCEXCL"));
    const int third = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    QCOMPARE(::flock(third, LOCK_EX | LOCK_NB) == 0, hold != QLatin1String("flock"));
    ::close(third);
    ::close(holder);
}

QTEST_GUILESS_MAIN(tst_DeviceLine)
#include "tst_device_line.moc"
