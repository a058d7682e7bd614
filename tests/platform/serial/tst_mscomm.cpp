// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/MSComm.h"
#include "platform/serial/SerialLineFactory.h"
#include "support/PseudoTerminal.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Port
{
    NoPort = 0,
    LoopPort = 1,
    PtyPort = 2,
    MissingDevicePort = 3,
    UnmappedPort = 4,
    PlainFilePort = 5,
};

// The three inputs as one text, "-" for a failed read, so that a mismatch
// shows all of them at once.
QString linesOf(MSComm& comm)
{
    const auto text = [](std::optional<bool> level) -> QString {
        if (!level)
            return QStringLiteral("-");
        return *level ? QStringLiteral("on") : QStringLiteral("off");
    };
    return QStringLiteral("CTS %1, CD %2, DSR %3")
        .arg(text(comm.CTSHolding()), text(comm.CDHolding()), text(comm.DSRHolding()));
}

const QString AllReadsFail = QStringLiteral("CTS -, CD -, DSR -");

} // namespace

// The serial control over real lines: the loop-back plug and a pseudo-terminal
// through QSerialPort. No test opens a serial device of the machine.
class tst_MSComm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void opensClosesAndReopens_data();
    void opensClosesAndReopens();
    void failsToOpen_data();
    void failsToOpen();
    void failsToOpenADeviceOfNoKnownKind();
    void readsFailWhileClosed();
    void loopbackInputsFollowOutputs_data();
    void loopbackInputsFollowOutputs();
    void loopbackClosingDropsOutputs();
    void pseudoTerminalReadsFail();
    void portNumberTakesEffectAtNextOpen();
    void openingAnOpenPortOpensItAfresh();
    void deviceHeldElsewhereFailsToOpen();

private:
    std::unique_ptr<MSComm> makeComm(int port) const;

    PseudoTerminal m_pty;
    QTemporaryDir m_dir;
    QHash<int, QString> m_devices;
};

void tst_MSComm::initTestCase()
{
    QVERIFY2(!m_pty.slavePath().isEmpty(), "no pseudo-terminal");
    QVERIFY(m_dir.isValid());
    QFile plainFile(m_dir.filePath(QStringLiteral("plain")));
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    m_devices = {{LoopPort, QStringLiteral("loop://")},
                 {PtyPort, m_pty.slavePath()},
                 {MissingDevicePort, m_dir.filePath(QStringLiteral("ttyMissing"))},
                 {PlainFilePort, plainFile.fileName()}};
}

void tst_MSComm::init()
{
    // QSerialPort complains aloud when misused (say, read while closed).
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

std::unique_ptr<MSComm> tst_MSComm::makeComm(int port) const
{
    auto comm =
        std::make_unique<MSComm>([this](int n) { return m_devices.value(n); }, makeSerialLine);
    comm->setCommPort(port);
    return comm;
}

void tst_MSComm::opensClosesAndReopens_data()
{
    QTest::addColumn<int>("port");
    QTest::newRow("loop-back plug") << int(LoopPort);
    QTest::newRow("pseudo-terminal") << int(PtyPort);
}

void tst_MSComm::opensClosesAndReopens()
{
    QFETCH(int, port);
    const auto comm = makeComm(port);
    QVERIFY(!comm->portOpen());

    QVERIFY(comm->setPortOpen(true));
    QVERIFY(comm->portOpen());
    QVERIFY(comm->setPortOpen(false));
    QVERIFY(!comm->portOpen());
    QVERIFY(comm->setPortOpen(true));
    QVERIFY(comm->portOpen());
}

void tst_MSComm::failsToOpen_data()
{
    QTest::addColumn<int>("port");
    QTest::newRow("missing device") << int(MissingDevicePort);
    QTest::newRow("plain file, no terminal") << int(PlainFilePort);
    QTest::newRow("number naming no port") << int(NoPort);
    QTest::newRow("number without a device") << int(UnmappedPort);
}

void tst_MSComm::failsToOpen()
{
    QFETCH(int, port);
    const auto comm = makeComm(port);

    QVERIFY(!comm->setPortOpen(true));
    QVERIFY(!comm->portOpen());
    QCOMPARE(linesOf(*comm), AllReadsFail);
    QVERIFY(!comm->setRTSEnable(true));
    QVERIFY(!comm->setDTREnable(true));
}

void tst_MSComm::failsToOpenADeviceOfNoKnownKind()
{
    MSComm comm([](int) { return QStringLiteral("unknown"); },
                [](const QString&) { return std::unique_ptr<SerialLine>(); });
    QVERIFY(!comm.setPortOpen(true));
    QVERIFY(!comm.portOpen());
}

void tst_MSComm::readsFailWhileClosed()
{
    const auto comm = makeComm(LoopPort);
    QCOMPARE(linesOf(*comm), AllReadsFail);

    QVERIFY(comm->setPortOpen(true));
    QVERIFY(comm->setPortOpen(false));
    QCOMPARE(linesOf(*comm), AllReadsFail);
    QVERIFY(!comm->setRTSEnable(true));
    QVERIFY(!comm->setDTREnable(true));
}

void tst_MSComm::loopbackInputsFollowOutputs_data()
{
    QTest::addColumn<bool>("rts");
    QTest::addColumn<bool>("dtr");
    QTest::addColumn<QString>("lines");
    QTest::newRow("neither") << false << false << "CTS off, CD on, DSR off";
    QTest::newRow("RTS only") << true << false << "CTS on, CD on, DSR off";
    QTest::newRow("DTR only") << false << true << "CTS off, CD on, DSR on";
    QTest::newRow("both") << true << true << "CTS on, CD on, DSR on";
}

void tst_MSComm::loopbackInputsFollowOutputs()
{
    QFETCH(bool, rts);
    QFETCH(bool, dtr);
    QFETCH(QString, lines);
    const auto comm = makeComm(LoopPort);
    QVERIFY(comm->setPortOpen(true));

    // From the opposite levels, so that a line that only ever rises shows.
    QVERIFY(comm->setRTSEnable(!rts));
    QVERIFY(comm->setDTREnable(!dtr));
    QVERIFY(comm->setRTSEnable(rts));
    QVERIFY(comm->setDTREnable(dtr));
    QCOMPARE(linesOf(*comm), lines);
}

void tst_MSComm::loopbackClosingDropsOutputs()
{
    const auto comm = makeComm(LoopPort);
    QVERIFY(comm->setPortOpen(true));
    QCOMPARE(linesOf(*comm), QStringLiteral("CTS off, CD on, DSR off"));
    QVERIFY(comm->setRTSEnable(true));
    QVERIFY(comm->setDTREnable(true));

    QVERIFY(comm->setPortOpen(false));
    QVERIFY(comm->setPortOpen(true));
    QCOMPARE(linesOf(*comm), QStringLiteral("CTS off, CD on, DSR off"));
}

void tst_MSComm::pseudoTerminalReadsFail()
{
    // A pseudo-terminal has no modem lines: its reads must fail rather than
    // report every line off. That is said once an open, and is no loss.
    const auto comm = makeComm(PtyPort);
    QSignalSpy unreadable(comm.get(), &MSComm::linesUnreadable);
    QSignalSpy lost(comm.get(), &MSComm::lost);
    for (int open = 1; open <= 2; ++open) {
        QVERIFY(comm->setPortOpen(true));
        comm->setRTSEnable(true);
        comm->setDTREnable(true);
        QCOMPARE(linesOf(*comm), AllReadsFail);
        QCOMPARE(linesOf(*comm), AllReadsFail);
        QVERIFY(comm->portOpen());
        QCOMPARE(unreadable.size(), open);
    }
    QCOMPARE(lost.size(), 0);
}

void tst_MSComm::portNumberTakesEffectAtNextOpen()
{
    const auto comm = makeComm(LoopPort);
    QVERIFY(comm->setPortOpen(true));
    QVERIFY(comm->setRTSEnable(true));

    comm->setCommPort(PtyPort);
    QCOMPARE(comm->commPort(), int(PtyPort));
    QCOMPARE(linesOf(*comm), QStringLiteral("CTS on, CD on, DSR off"));

    QVERIFY(comm->setPortOpen(false));
    QVERIFY(comm->setPortOpen(true));
    QCOMPARE(linesOf(*comm), AllReadsFail);
}

void tst_MSComm::openingAnOpenPortOpensItAfresh()
{
    const auto comm = makeComm(LoopPort);
    QVERIFY(comm->setPortOpen(true));
    QVERIFY(comm->setRTSEnable(true));
    QVERIFY(comm->setPortOpen(true));
    QCOMPARE(linesOf(*comm), QStringLiteral("CTS off, CD on, DSR off"));

    // The device is let go before it is opened again, or its own lock
    // would refuse it.
    comm->setCommPort(PtyPort);
    QVERIFY(comm->setPortOpen(true));
    QVERIFY(comm->setPortOpen(true));
    QVERIFY(comm->portOpen());
}

void tst_MSComm::deviceHeldElsewhereFailsToOpen()
{
    const auto holder = makeComm(PtyPort);
    const auto other = makeComm(PtyPort);
    QVERIFY(holder->setPortOpen(true));

    QVERIFY(!other->setPortOpen(true));
    QVERIFY(!other->portOpen());

    QVERIFY(holder->setPortOpen(false));
    QVERIFY(other->setPortOpen(true));
}

QTEST_GUILESS_MAIN(tst_MSComm)
#include "tst_mscomm.moc"
