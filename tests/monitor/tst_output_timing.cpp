// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// The outputs of a real serial device (a pseudo-terminal given modem lines by
// the preloaded library) as the port session drives them, timed by the
// library's own time stamps of each change. Only what a loaded machine
// cannot upset is asserted: the order of the changes, the line restored, and
// no pulse or break shorter than asked (a timer never fires early). How much
// longer they come out is printed, and tools/bench-pulse.sh gathers it.
#include "monitor/PortSession.h"
#include "platform/serial/MSComm.h"
#include "platform/serial/SerialLineFactory.h"
#include "support/ModemLinesFile.h"
#include "support/PseudoTerminal.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <time.h>

using namespace std::chrono_literals;

namespace {

struct Event
{
    qint64 at; // microseconds, CLOCK_MONOTONIC
    QString what;
};

qint64 monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

} // namespace

class TestOutputTiming : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_lines.write(""));
        qputenv("QUORLIN_MODEM_EVENTS", eventsPath().toLocal8Bit());
        QVERIFY(m_session.open(1));
        QCOMPARE(m_lines.read(), QByteArray("RTS DTR"));
        QFile::remove(eventsPath());
    }
    void cleanup()
    {
        m_session.close();
        qunsetenv("QUORLIN_MODEM_EVENTS");
    }

    void aSwitchReachesTheDeviceAtOnce()
    {
        const qint64 asked = monotonicNow();
        m_session.setOutput(OutputLine::DataTerminalReady, false);
        const QList<Event> seen = waitForEvents(1);
        QCOMPARE(whats(seen), QStringList{"DTR off"});
        qInfo("DTR off %.1f ms after the switch", (seen[0].at - asked) / 1000.0);
        QVERIFY(seen[0].at - asked < 50000);
        QCOMPARE(m_lines.read(), QByteArray("RTS"));
    }

    void aPulseLastsItsLength_data()
    {
        QTest::addColumn<std::chrono::milliseconds>("length");
        QTest::newRow("the default") << PortSession::DefaultPulseLength;
        QTest::newRow("a long one") << 300ms;
    }
    void aPulseLastsItsLength()
    {
        QFETCH(std::chrono::milliseconds, length);
        m_session.setPulseLength(length);
        m_session.pulse(OutputLine::RequestToSend);
        const QList<Event> seen = waitForEvents(2);
        QCOMPARE(whats(seen), (QStringList{"RTS off", "RTS on"}));
        reportLength("pulse", seen, length);
        QCOMPARE(m_lines.read(), QByteArray("RTS DTR"));
    }

    void aBreakLastsItsLength()
    {
        m_session.sendBreak();
        const QList<Event> seen = waitForEvents(2);
        QCOMPARE(whats(seen), (QStringList{"BREAK on", "BREAK off"}));
        reportLength("break", seen, PortSession::BreakLength);
    }

private:
    QString eventsPath() const { return m_folder.filePath(QStringLiteral("events")); }

    // The events recorded so far, once there are `count`, within 5 s. The
    // wait runs the event loop itself, as the program's does, so the
    // session's timers fire when due.
    QList<Event> waitForEvents(int count)
    {
        QList<Event> events;
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(5ms);
        connect(&poll, &QTimer::timeout, &loop, [&] {
            events = readEvents();
            if (events.size() >= count)
                loop.quit();
        });
        QTimer::singleShot(5s, &loop, &QEventLoop::quit);
        poll.start();
        loop.exec();
        return events;
    }
    QList<Event> readEvents() const
    {
        QList<Event> events;
        QFile file(eventsPath());
        if (!file.open(QIODevice::ReadOnly))
            return events;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (const qsizetype space = line.indexOf(' '); space > 0)
                events.append(
                    {line.left(space).toLongLong(), QString::fromLatin1(line.mid(space + 1))});
        }
        return events;
    }
    static QStringList whats(const QList<Event>& events)
    {
        QStringList whats;
        for (const Event& event : events)
            whats << event.what;
        return whats;
    }
    static void reportLength(const char* what, const QList<Event>& seen,
                             std::chrono::milliseconds length)
    {
        const qint64 lasted = seen[1].at - seen[0].at;
        qInfo("%s of %lld ms lasted %.1f ms", what, qlonglong(length.count()), lasted / 1000.0);
        QVERIFY2(lasted >= std::chrono::microseconds(length).count(), "shorter than asked");
    }

    QTemporaryDir m_folder;
    ModemLinesFile m_lines;
    PseudoTerminal m_pty;
    MSComm m_comm{[this](int) { return m_pty.slavePath(); }, makeSerialLine};
    PortSession m_session{m_comm};
};

QTEST_GUILESS_MAIN(TestOutputTiming)
#include "tst_output_timing.moc"
