// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/LineChangeWatcher.h"
#include "support/ModemLinesFile.h"
#include "support/PseudoTerminal.h"

#include <QDir>
#include <QtTest>
#include <sys/file.h>

namespace {

// The watcher's thread as the system lists it: its state letter ('S' while
// it sleeps in the wait), or 0 once there is no such thread.
char watcherThreadState()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        QFile stat(tasks.filePath(task + QStringLiteral("/stat")));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != "quorlin-lines" ||
            !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray fields = stat.readAll();
        return fields.at(fields.lastIndexOf(')') + 2);
    }
    return 0;
}

// The device open as a serial line holds it: locked, as the program's lines are.
class OpenDevice
{
public:
    explicit OpenDevice(const QString& path)
        : m_fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
            close();
    }
    ~OpenDevice() { close(); }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;

    int descriptor() const { return m_fd; }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

} // namespace

// The watch on a serial device's lines: a pseudo-terminal given modem lines,
// a wait and edge counters by the preloaded library.
class tst_LineChangeWatcher : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void toldOfAChange_data();
    void toldOfAChange();
    void stopEndsTheWaitAndLetsGoOfTheDevice();
    void endsByItself_data();
    void endsByItself();

private:
    std::unique_ptr<PseudoTerminal> m_pty;
    ModemLinesFile m_lines;
};

void tst_LineChangeWatcher::init()
{
    m_pty = std::make_unique<PseudoTerminal>();
    QVERIFY2(!m_pty->slavePath().isEmpty(), "no pseudo-terminal");
    QVERIFY(m_lines.write(""));
}

void tst_LineChangeWatcher::toldOfAChange_data()
{
    QTest::addColumn<QByteArray>("changed");
    QTest::newRow("CTS raised") << QByteArray("CTS");
    QTest::newRow("CD raised") << QByteArray("CD");
    QTest::newRow("DSR raised") << QByteArray("DSR");
    QTest::newRow("CTS pulsed between reads") << QByteArray("CTS=2");
}

void tst_LineChangeWatcher::toldOfAChange()
{
    QFETCH(QByteArray, changed);
    OpenDevice line(m_pty->slavePath());
    QVERIFY(line.descriptor() >= 0);
    LineChangeWatcher watcher;
    QSignalSpy told(&watcher, &LineChangeWatcher::changed);
    QVERIFY(watcher.start(line.descriptor()));
    QTRY_COMPARE(watcherThreadState(), 'S');

    QVERIFY(m_lines.changeUntilTold(changed, told));
    QVERIFY(watcher.isWatching());
}

void tst_LineChangeWatcher::stopEndsTheWaitAndLetsGoOfTheDevice()
{
    OpenDevice line(m_pty->slavePath());
    QVERIFY(line.descriptor() >= 0);
    LineChangeWatcher watcher;
    QVERIFY(watcher.start(line.descriptor()));
    QTRY_COMPARE(watcherThreadState(), 'S');

    // Closing the descriptor would not wake the thread; a hang here is what
    // the test's time limit catches.
    watcher.stop();
    QVERIFY(!watcher.isWatching());
    QCOMPARE(watcherThreadState(), 0);
    line.close();
    QVERIFY(m_pty->slaveIsFree());
}

void tst_LineChangeWatcher::endsByItself_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("told");
    // Told, so that the next read finds the device gone at once.
    QTest::newRow("hang-up") << "unplug" << true;
    QTest::newRow("driver without the wait") << "NOWAIT" << false;
}

void tst_LineChangeWatcher::endsByItself()
{
    QFETCH(QString, cause);
    QFETCH(bool, told);
    OpenDevice line(m_pty->slavePath());
    QVERIFY(line.descriptor() >= 0);
    if (cause == QLatin1String("NOWAIT"))
        QVERIFY(m_lines.write("NOWAIT"));
    LineChangeWatcher watcher;
    QSignalSpy changes(&watcher, &LineChangeWatcher::changed);
    QVERIFY(watcher.start(line.descriptor()));
    if (cause == QLatin1String("unplug")) {
        QTRY_COMPARE(watcherThreadState(), 'S');
        m_pty->unplug();
    }
    QTRY_VERIFY(!watcher.isWatching());
    QTRY_COMPARE(watcherThreadState(), 0);
    if (told)
        QTRY_COMPARE(changes.count(), 1);
    else
        QCOMPARE(changes.count(), 0);
}

QTEST_GUILESS_MAIN(tst_LineChangeWatcher)
#include "tst_line_change_watcher.moc"
