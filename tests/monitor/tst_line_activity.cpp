// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineActivity.h"
#include "monitor/LineLog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The log's lines without their time stamps, which must be local ISO 8601
// to the millisecond.
QStringList logged(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression stamp(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} "));
    QStringList lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        const QString text = QString::fromUtf8(line);
        lines.append(stamp.match(text).hasMatch() ? text.mid(24) : QStringLiteral("?") + text);
    }
    return lines;
}

using namespace std::chrono_literals;
using Row = LineActivity::Row;

// One tick's reads in the window's order: CTS, CD, DSR; `at` after the first.
QList<Row> tick(LineActivity& activity, bool cd, bool dsr, bool cts,
                std::optional<EdgeCounts> counts, std::chrono::milliseconds at = 0ms)
{
    const LineActivity::Clock::time_point now = LineActivity::Clock::time_point() + at;
    const Row third = activity.read(2, cts, counts, now);
    const Row first = activity.read(0, cd, counts, now);
    const Row second = activity.read(1, dsr, counts, now);
    return {first, second, third};
}

} // namespace

class TestLineActivity : public QObject
{
    Q_OBJECT

private slots:
    void pulsesFlashAndAreLogged()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lines.log"));
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier\n");
        }
        LineLog log(path);
        LineActivity activity;
        activity.setLog(&log);

        activity.restart(QStringLiteral("Com1 /dev/ttyUSB0"));
        QCOMPARE(tick(activity, true, false, false, EdgeCounts{4, 0, 0}),
                 (QList<Row>{{false, 0}, {false, 0}, {false, 0}}));
        // Clear To Send on and off again between the ticks.
        QCOMPARE(tick(activity, true, false, false, EdgeCounts{4, 0, 2}),
                 (QList<Row>{{false, 0}, {false, 0}, {true, 1}}));
        QCOMPARE(tick(activity, true, true, true, EdgeCounts{4, 1, 3}, 1000ms),
                 (QList<Row>{{false, 0}, {false, 0}, {false, 1}}));
        // Another port, or the same one again, counts afresh.
        activity.restart(QStringLiteral("Com2 loop://"));
        QCOMPARE(tick(activity, true, false, true, std::nullopt),
                 (QList<Row>{{false, 0}, {false, 0}, {false, 0}}));
        tick(activity, false, false, true, std::nullopt);

        QCOMPARE(logged(path),
                 (QStringList{"?earlier", "Com1 /dev/ttyUSB0 opened: CD on DSR off CTS off",
                              "CTS off 2", "CTS on 1", "DSR on 1",
                              "Com2 loop:// opened: CD on DSR off CTS on", "CD off 1"}));
    }

    void aFlashLastsItsTime_data()
    {
        QTest::addColumn<std::chrono::milliseconds>("after");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("flash");
        QTest::newRow("a tick soon after") << 5ms << false << true;
        QTest::newRow("a tick its time after") << LineActivity::FlashTime << false << false;
        QTest::newRow("a change soon after") << 5ms << true << false;
    }
    void aFlashLastsItsTime()
    {
        QFETCH(std::chrono::milliseconds, after);
        QFETCH(bool, changed);
        QFETCH(bool, flash);
        LineActivity activity;
        activity.restart(QStringLiteral("Com1 loop://"));
        tick(activity, false, false, false, EdgeCounts{});
        QCOMPARE(tick(activity, false, false, false, EdgeCounts{0, 0, 2}, 1000ms)[2],
                 (Row{true, 1}));
        QCOMPARE(tick(activity, false, false, changed, EdgeCounts{0, 0, changed ? 3u : 2u},
                      1000ms + after)[2],
                 (Row{flash, 1}));
    }

    void anUnwritableLogIsToldOnce()
    {
        QTemporaryDir folder;
        LineLog log(folder.filePath(QStringLiteral("missing/lines.log")));
        QStringList told;
        QObject::connect(&log, &LineLog::failed,
                         [&told](const QString& message) { told.append(message); });
        log.lineChanged(QStringLiteral("CTS"), true, 1);
        log.lineChanged(QStringLiteral("CTS"), false, 1);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith(QStringLiteral("The log could not be written to ")) &&
                     told[0].contains(QStringLiteral("missing/lines.log")),
                 qPrintable(told[0]));

        // Tried afresh at each line: the log goes on once its folder is there.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("missing")));
        log.lineChanged(QStringLiteral("CTS"), true, 1);
        QCOMPARE(told.size(), 1);
        QCOMPARE(logged(folder.filePath(QStringLiteral("missing/lines.log"))),
                 QStringList{"CTS on 1"});
    }
};

QTEST_GUILESS_MAIN(TestLineActivity)
#include "tst_line_activity.moc"
