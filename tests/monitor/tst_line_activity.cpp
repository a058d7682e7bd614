// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineActivity.h"
#include "monitor/LineHistory.h"
#include "monitor/LineLog.h"
#include "support/LogReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace std::chrono_literals;
using Row = LineActivity::Row;

// One tick's reads in the window's order: CTS, CD, DSR, then RI; `at` after
// the first. The rows' three, top to bottom.
QList<Row> tick(LineActivity& activity, bool cd, bool dsr, bool cts,
                std::optional<EdgeCounts> counts, std::chrono::milliseconds at = 0ms,
                bool ri = false)
{
    const LineActivity::Clock::time_point now = LineActivity::Clock::time_point() + at;
    const Row third = activity.read(2, cts, counts, now);
    const Row first = activity.read(0, cd, counts, now);
    const Row second = activity.read(1, dsr, counts, now);
    activity.read(3, ri, counts, now);
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

        activity.restart(QStringLiteral("Com1 /dev/ttyUSB0"), OutputLevels{true, false});
        QCOMPARE(tick(activity, true, false, false, EdgeCounts{4, 0, 0}),
                 (QList<Row>{{false, 0}, {false, 0}, {false, 0}}));
        // Clear To Send on and off again between the ticks.
        QCOMPARE(tick(activity, true, false, false, EdgeCounts{4, 0, 2}),
                 (QList<Row>{{false, 0}, {false, 0}, {true, 1}}));
        QCOMPARE(tick(activity, true, true, true, EdgeCounts{4, 1, 3}, 1000ms),
                 (QList<Row>{{false, 0}, {false, 0}, {false, 1}}));
        // Another port, or the same one again, counts afresh.
        activity.restart(QStringLiteral("Com2 loop://"), OutputLevels{});
        QCOMPARE(tick(activity, true, false, true, std::nullopt),
                 (QList<Row>{{false, 0}, {false, 0}, {false, 0}}));
        tick(activity, false, false, true, std::nullopt);

        QTRY_COMPARE(LogReader(path).lines(),
                     (QStringList{"?earlier",
                                  "Com1 /dev/ttyUSB0 opened: CD on DSR off CTS off RI off DTR on "
                                  "RTS off",
                                  "CTS off 2", "CTS on 1", "DSR on 1",
                                  "Com2 loop:// opened: CD on DSR off CTS on RI off DTR on RTS on",
                                  "CD off 1"}));
    }

    // Ring Indicator, in its state or its edge count, and each switch of an
    // output are lines of their own; a switch before the port's first line
    // is part of that line.
    void ringAndOutputsAreLogged()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lines.log"));
        LineLog log(path);
        LineActivity activity;
        activity.setLog(&log);
        activity.restart(QStringLiteral("Com1 /dev/ttyS4"), OutputLevels{});
        activity.outputChanged(OutputLine::DataTerminalReady, false, {});
        tick(activity, false, false, false, EdgeCounts{});
        tick(activity, false, false, false, EdgeCounts{0, 0, 0, 1}, 100ms, true);
        tick(activity, false, false, false, EdgeCounts{0, 0, 0, 3}, 200ms, true);
        activity.outputChanged(OutputLine::RequestToSend, false, {});
        activity.outputChanged(OutputLine::RequestToSend, true, {});
        tick(activity, false, false, false, EdgeCounts{0, 0, 0, 3}, 300ms, true);

        QTRY_COMPARE(LogReader(path).lines(),
                     (QStringList{"Com1 /dev/ttyS4 opened: CD off DSR off CTS off RI off DTR off "
                                  "RTS on",
                                  "RI on 1", "RI on 2", "RTS off", "RTS on"}));
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
        activity.restart(QStringLiteral("Com1 loop://"), OutputLevels{});
        tick(activity, false, false, false, EdgeCounts{});
        QCOMPARE(tick(activity, false, false, false, EdgeCounts{0, 0, 2}, 1000ms)[2],
                 (Row{true, 1}));
        QCOMPARE(tick(activity, false, false, changed, EdgeCounts{0, 0, changed ? 3u : 2u},
                      1000ms + after)[2],
                 (Row{flash, 1}));
    }

    // The history has the opening with every line's first state, the
    // changes after it with their edges, the outputs switched and the
    // closing; nothing of a port closed before its lines were read.
    void keptInTheHistory()
    {
        using Kind = LineHistory::Kind;
        LineHistory history(LineActivity::Clock::time_point{});
        LineActivity activity;
        activity.setHistory(&history);
        activity.restart(QStringLiteral("Com1 /dev/ttyUSB0"), OutputLevels{true, false});
        tick(activity, false, true, false, EdgeCounts{0, 0, 0});
        tick(activity, false, true, true, EdgeCounts{0, 0, 3}, 100ms);
        activity.outputChanged(OutputLine::RequestToSend, true,
                               LineActivity::Clock::time_point{} + 150ms);
        activity.stop(LineActivity::Clock::time_point{} + 200ms);
        activity.restart(QStringLiteral("Com2 loop://"), OutputLevels{});
        activity.stop(LineActivity::Clock::time_point{} + 300ms);

        const auto& changes = history.changes();
        QCOMPARE(changes.size(), 4U);
        QCOMPARE(changes[0].kind, Kind::Opened);
        QCOMPARE(history.portOf(changes[0]), QStringLiteral("Com1 /dev/ttyUSB0"));
        QCOMPARE(changes[0].states, std::uint8_t(1U << traceOf(InputLine::DataSetReady) |
                                                 1U << traceOf(OutputLine::DataTerminalReady)));
        QCOMPARE(changes[1].ms, 100);
        QCOMPARE(changes[1].trace, traceOf(InputLine::ClearToSend));
        QCOMPARE(changes[1].pulses(), 1);
        QCOMPARE(changes[2].trace, traceOf(OutputLine::RequestToSend));
        QVERIFY(changes[2].on(traceOf(OutputLine::RequestToSend)));
        QCOMPARE(changes[3].kind, Kind::Closed);
        QCOMPARE(changes[3].ms, 200);
    }
};

QTEST_GUILESS_MAIN(TestLineActivity)
#include "tst_line_activity.moc"
