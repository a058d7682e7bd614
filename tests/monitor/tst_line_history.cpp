// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineHistory.h"

#include <QTest>

namespace {

using Clock = LineHistory::Clock;
using Kind = LineHistory::Kind;

const Clock::time_point Start{};

Clock::time_point at(int ms)
{
    return Start + std::chrono::milliseconds(ms);
}

constexpr int CTS = traceOf(InputLine::ClearToSend);
constexpr int RTS = traceOf(OutputLine::RequestToSend);

} // namespace

class TestLineHistory : public QObject
{
    Q_OBJECT

private slots:
    void pulsesAreTheEdgesBeyondTheChange_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("edges");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<int>("pulses");
        QTest::newRow("a change") << true << 1 << true << 0;
        QTest::newRow("a change and a pulse") << true << 3 << true << 1;
        QTest::newRow("two pulses, back where it was") << false << 4 << false << 2;
        QTest::newRow("a change without counts") << true << 0 << true << 0;
    }
    void pulsesAreTheEdgesBeyondTheChange()
    {
        QFETCH(bool, on);
        QFETCH(int, edges);
        QFETCH(bool, moved);
        QFETCH(int, pulses);
        LineHistory history(Start);
        history.portOpened(at(0), QStringLiteral("Com1 /dev/pts/3"), 0);
        history.lineChanged(at(5), CTS, on, std::uint32_t(edges));
        const LineHistory::Change& change = history.changes().back();
        QCOMPARE(change.moved, moved);
        QCOMPARE(change.pulses(), pulses);
        QCOMPARE(change.on(CTS), on);
    }

    void eachChangeCarriesEveryLinesState()
    {
        LineHistory history(Start);
        history.portOpened(at(0), QStringLiteral("Com1"), std::uint8_t(1U << RTS));
        history.lineChanged(at(1), CTS, true, 1);
        history.lineChanged(at(2), RTS, false, 1);
        history.portClosed(at(3));
        const auto& changes = history.changes();
        QCOMPARE(changes.size(), 4U);
        QVERIFY(changes[1].on(CTS) && changes[1].on(RTS));
        QVERIFY(changes[2].on(CTS) && !changes[2].on(RTS));
        QCOMPARE(changes[3].kind, Kind::Closed);
        QCOMPARE(changes[3].states, changes[2].states);
    }

    void timesNeverGoBack()
    {
        LineHistory history(Start);
        history.portOpened(at(10), QStringLiteral("Com1"), 0);
        history.lineChanged(at(9), CTS, true, 1);
        QCOMPARE(history.changes().back().ms, 10);
    }

    // The oldest go first; the ports named by the openings kept stay theirs.
    void keepsTheNewestChanges()
    {
        LineHistory history(Start);
        history.portOpened(at(0), QStringLiteral("Com1"), 0);
        history.portOpened(at(1), QStringLiteral("Com2"), 0);
        for (std::size_t i = 2; i < LineHistory::Capacity + 1; ++i)
            history.lineChanged(at(int(i)), CTS, i % 2 == 0, 1);
        QCOMPARE(history.changes().size(), LineHistory::Capacity);
        QCOMPARE(history.dropped(), 1U);
        const LineHistory::Change& first = history.changes().front();
        QCOMPARE(first.kind, Kind::Opened);
        QCOMPARE(history.portOf(first), QStringLiteral("Com2"));
        QCOMPARE(history.changes().back().ms, std::int64_t(LineHistory::Capacity));
    }

    void findsTheFirstChangeFrom_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("index");
        QTest::newRow("before all") << -5 << 0;
        QTest::newRow("at one") << 20 << 1;
        QTest::newRow("between two") << 25 << 3;
        QTest::newRow("after all") << 99 << 4;
    }
    void findsTheFirstChangeFrom()
    {
        QFETCH(int, ms);
        QFETCH(int, index);
        LineHistory history(Start);
        history.portOpened(at(10), QStringLiteral("Com1"), 0);
        history.lineChanged(at(20), CTS, true, 1);
        history.lineChanged(at(20), CTS, false, 1);
        history.lineChanged(at(30), CTS, true, 1);
        QCOMPARE(history.firstFrom(ms), std::size_t(index));
    }
};

QTEST_GUILESS_MAIN(TestLineHistory)
#include "tst_line_history.moc"
