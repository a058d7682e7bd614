// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/rfc2217/Rfc2217SerialLine.h"
#include "platform/serial/SerialLineFactory.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

// The remote line against port servers on this machine, played by a script
// (rfc2217_server.py): a good one, built on pyserial's own RFC 2217 code, and
// the bad ones a network has in store.
class tst_Rfc2217Line : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void badServerFailsTheOpen_data();
    void badServerFailsTheOpen();
    void followsTheServersLines();
    void droppedConnectionLosesTheLine();
    void floodLeavesTheLineWorking();
    void opensInTheBackground_data();
    void opensInTheBackground();
    void closeEndsAnOpenUntold();
    void serverGoneQuietLosesTheLine();
    void watchTellsTheServersReports();
};

namespace {

// One run of the script, which serves one connection and then ends.
class ScriptedServer
{
public:
    explicit ScriptedServer(const QString& mode, const QStringList& more = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(RFC2217_SERVER), QStringList{mode} + more);
        if (m_process.waitForReadyRead(10000))
            m_port = m_process.readLine().trimmed().toUShort();
    }
    ~ScriptedServer() { stop(); }

    void stop()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    quint16 port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// A port of this machine where nobody listens.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

std::unique_ptr<SerialLine> lineTo(quint16 port, const QString& host = QStringLiteral("127.0.0.1"))
{
    return makeSerialLine(QStringLiteral("rfc2217://%1:%2").arg(host).arg(port));
}

// Generous: an open ends within its own timeout.
constexpr int OpenWait = 4 * int(Rfc2217SerialLine::OpenTimeout.count());

} // namespace

void tst_Rfc2217Line::init()
{
    // Qt complains aloud when a socket is misused (say, read while closed).
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void tst_Rfc2217Line::badServerFailsTheOpen_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("reason");
    const QString late = QStringLiteral("The server did not answer in time.");
    QTest::newRow("nobody listening") << QString() << "Connection refused";
    QTest::newRow("accepts and never speaks") << "silent" << late;
    QTest::newRow("refuses the option")
        << "refuse"
        << "The server does not offer control of its port (RFC 2217).";
    QTest::newRow("hangs up mid-negotiation") << "hangup"
                                              << "The server closed the connection.";
    QTest::newRow("junk") << "junk" << late;
    QTest::newRow("endless subnegotiation")
        << "endless"
        << "The server did not report the port's modem lines in time.";
}

void tst_Rfc2217Line::badServerFailsTheOpen()
{
    QFETCH(QString, mode);
    QFETCH(QString, reason);
    std::optional<ScriptedServer> server;
    quint16 port = closedPort();
    if (!mode.isEmpty()) {
        server.emplace(mode);
        port = server->port();
        QVERIFY2(port != 0, "the scripted server did not start");
    }
    const std::unique_ptr<SerialLine> line = lineTo(port);
    QVERIFY(line);

    QVERIFY(!line->open());
    QVERIFY(!line->isOpen());
    QVERIFY(!line->isLost());
    QCOMPARE(line->errorString(), reason);
    QCOMPARE(line->clearToSend(), std::nullopt);
}

void tst_Rfc2217Line::followsTheServersLines()
{
    ScriptedServer server(QStringLiteral("good"));
    // By name, which may stand for ::1 before 127.0.0.1, where the server is.
    const std::unique_ptr<SerialLine> line = lineTo(server.port(), QStringLiteral("localhost"));
    QVERIFY2(line->open(), qPrintable(line->errorString()));

    // The open asserted both outputs, which the loop-back feeds back.
    QTRY_COMPARE(line->clearToSend(), true);
    QTRY_COMPARE(line->dataSetReady(), true);
    QCOMPARE(line->carrierDetect(), false);

    QVERIFY(line->setRequestToSend(false));
    QTRY_COMPARE(line->clearToSend(), false);
    QCOMPARE(line->dataSetReady(), true);
    // Every line off at once is still reported.
    QVERIFY(line->setDataTerminalReady(false));
    QTRY_COMPARE(line->dataSetReady(), false);
    QVERIFY(!line->isLost());
}

void tst_Rfc2217Line::droppedConnectionLosesTheLine()
{
    ScriptedServer server(QStringLiteral("good"));
    const std::unique_ptr<SerialLine> line = lineTo(server.port());
    QVERIFY2(line->open(), qPrintable(line->errorString()));
    QTRY_COMPARE(line->clearToSend(), true);

    server.stop();
    QTRY_VERIFY(line->isLost());
    QVERIFY(!line->isOpen());
    QVERIFY(!line->errorString().isEmpty());
    QCOMPARE(line->clearToSend(), std::nullopt);
    QVERIFY(!line->setRequestToSend(true));
}

void tst_Rfc2217Line::floodLeavesTheLineWorking()
{
    ScriptedServer server(QStringLiteral("flood"));
    const std::unique_ptr<SerialLine> line = lineTo(server.port());
    QVERIFY2(line->open(), qPrintable(line->errorString()));
    QTRY_COMPARE(line->clearToSend(), true);

    // Under the flood, a change still gets there and back.
    QVERIFY(line->setRequestToSend(false));
    QTRY_COMPARE(line->clearToSend(), false);
    QVERIFY(line->isOpen());
}

void tst_Rfc2217Line::opensInTheBackground_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("reason");
    QTest::newRow("good server") << "good" << true << QString();
    QTest::newRow("accepts and never speaks")
        << "silent" << false << "The server did not answer in time.";
    QTest::newRow("nobody listening") << QString() << false << "Connection refused";
}

void tst_Rfc2217Line::opensInTheBackground()
{
    QFETCH(QString, mode);
    QFETCH(bool, opens);
    QFETCH(QString, reason);
    std::optional<ScriptedServer> server;
    quint16 port = closedPort();
    if (!mode.isEmpty()) {
        server.emplace(mode);
        port = server->port();
    }
    const std::unique_ptr<SerialLine> line = lineTo(port);
    QSignalSpy finished(line.get(), &SerialLine::openFinished);

    // Nothing is known yet: the connection is only under way.
    QCOMPARE(line->beginOpen(), std::nullopt);
    QVERIFY(!line->isOpen());
    QVERIFY(finished.wait(OpenWait));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), opens);
    QCOMPARE(line->isOpen(), opens);
    QCOMPARE(line->errorString(), reason);
}

void tst_Rfc2217Line::closeEndsAnOpenUntold()
{
    ScriptedServer server(QStringLiteral("silent"));
    const std::unique_ptr<SerialLine> line = lineTo(server.port());
    QSignalSpy finished(line.get(), &SerialLine::openFinished);
    QCOMPARE(line->beginOpen(), std::nullopt);
    line->close();

    // A second open, begun after the first, ends after the first would have:
    // the only end told is its own.
    QCOMPARE(line->beginOpen(), std::nullopt);
    QVERIFY(finished.wait(OpenWait));
    QTRY_COMPARE(line->errorString(), QStringLiteral("The server did not answer in time."));
    QCOMPARE(finished.count(), 1);
}

void tst_Rfc2217Line::serverGoneQuietLosesTheLine()
{
    // Answers for a second, then keeps the connection without a word, as a
    // server does whose network is gone.
    ScriptedServer server(QStringLiteral("mute"), {QStringLiteral("60")});
    const std::unique_ptr<SerialLine> line = lineTo(server.port());
    QVERIFY2(line->open(), qPrintable(line->errorString()));
    QVERIFY(line->startWatching());
    QSignalSpy told(line.get(), &SerialLine::linesChanged);

    QTRY_VERIFY_WITH_TIMEOUT(line->isLost(), 4 * int(Rfc2217SerialLine::LivenessInterval.count()));
    QCOMPARE(line->errorString(), QStringLiteral("The server stopped answering."));
    QVERIFY(!line->isOpen());
    // The watch says so, so that the next read finds it at once.
    QVERIFY(told.count() > 0 || told.wait());
}

void tst_Rfc2217Line::watchTellsTheServersReports()
{
    ScriptedServer server(QStringLiteral("good"));
    const std::unique_ptr<SerialLine> line = lineTo(server.port());
    QVERIFY2(line->open(), qPrintable(line->errorString()));
    QVERIFY(line->startWatching());
    QTRY_COMPARE(line->clearToSend(), true);
    QSignalSpy told(line.get(), &SerialLine::linesChanged);

    // Told before anyone reads: the report alone wakes the watch.
    QVERIFY(line->setRequestToSend(false));
    QVERIFY(told.wait());
    QCOMPARE(line->clearToSend(), false);
}

QTEST_GUILESS_MAIN(tst_Rfc2217Line)
#include "tst_rfc2217_line.moc"
