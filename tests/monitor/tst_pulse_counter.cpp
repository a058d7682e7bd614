// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PulseCounter.h"

#include <QTest>

// A line's reads in turn: its state and the driver's edge count (-1 for a
// driver that counts none), against the edges and pulses each read finds.
class TestPulseCounter : public QObject
{
    Q_OBJECT

private slots:
    void pulsesFromTheEdgeCounts_data()
    {
        QTest::addColumn<QList<bool>>("states");
        QTest::addColumn<QList<qint64>>("counts");
        QTest::addColumn<QList<int>>("edges");
        QTest::addColumn<QList<int>>("pulses");
        QTest::newRow("the first read finds nothing")
            << QList<bool>{true} << QList<qint64>{7} << QList<int>{0} << QList<int>{0};
        QTest::newRow("steady") << QList<bool>{false, false} << QList<qint64>{4, 4}
                                << QList<int>{0, 0} << QList<int>{0, 0};
        QTest::newRow("a change seen") << QList<bool>{false, true} << QList<qint64>{0, 1}
                                       << QList<int>{0, 1} << QList<int>{0, 0};
        QTest::newRow("on and off between reads")
            << QList<bool>{false, false} << QList<qint64>{0, 2} << QList<int>{0, 2}
            << QList<int>{0, 1};
        QTest::newRow("a change and a pulse") << QList<bool>{false, true} << QList<qint64>{0, 3}
                                              << QList<int>{0, 3} << QList<int>{0, 1};
        QTest::newRow("two pulses") << QList<bool>{true, true} << QList<qint64>{5, 9}
                                    << QList<int>{0, 4} << QList<int>{0, 2};
        QTest::newRow("an edge counted a read before it shows")
            << QList<bool>{false, false, true} << QList<qint64>{0, 1, 1} << QList<int>{0, 1, 0}
            << QList<int>{0, 0, 0};
        QTest::newRow("the count wraps")
            << QList<bool>{false, false} << QList<qint64>{0xFFFFFFFF, 1} << QList<int>{0, 2}
            << QList<int>{0, 1};
        QTest::newRow("no counts: the changes seen")
            << QList<bool>{false, true, false} << QList<qint64>{-1, -1, -1} << QList<int>{0, 1, 1}
            << QList<int>{0, 0, 0};
        QTest::newRow("counts that come back start afresh")
            << QList<bool>{false, false, false} << QList<qint64>{10, -1, 20} << QList<int>{0, 0, 0}
            << QList<int>{0, 0, 0};
    }
    void pulsesFromTheEdgeCounts()
    {
        QFETCH(QList<bool>, states);
        QFETCH(QList<qint64>, counts);
        QFETCH(QList<int>, edges);
        QFETCH(QList<int>, pulses);
        PulseCounter line;
        QList<int> edgesFound, pulsesFound;
        int total = 0;
        for (qsizetype i = 0; i < states.size(); ++i) {
            const auto count = counts[i] < 0
                                   ? std::nullopt
                                   : std::optional<std::uint32_t>(std::uint32_t(counts[i]));
            const PulseCounter::Reading reading = line.read(states[i], count);
            QCOMPARE(reading.changed, i > 0 && states[i] != states[i - 1]);
            edgesFound.append(reading.edges);
            pulsesFound.append(reading.pulses);
            total += reading.pulses;
        }
        QCOMPARE(edgesFound, edges);
        QCOMPARE(pulsesFound, pulses);
        QCOMPARE(line.total(), total);
    }

    void restartCountsAfresh()
    {
        PulseCounter line;
        line.read(false, 0);
        line.read(false, 2);
        QCOMPARE(line.total(), 1);
        line.restart();
        QCOMPARE(line.total(), 0);
        QCOMPARE(line.read(true, 9).edges, 0);
    }
};

QTEST_GUILESS_MAIN(TestPulseCounter)
#include "tst_pulse_counter.moc"
