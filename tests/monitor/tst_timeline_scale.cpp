// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/TimelineScale.h"

#include <QTest>

using Range = TimelineScale::Range;
Q_DECLARE_METATYPE(Range)

namespace {

// A history from 0 to 60 s.
constexpr std::int64_t First = 0;
constexpr std::int64_t Latest = 60'000;

} // namespace

class TestTimelineScale : public QObject
{
    Q_OBJECT

private slots:
    void followsTheLatestTenSeconds()
    {
        TimelineScale scale;
        QCOMPARE(scale.shown(First, Latest), (Range{50'000, 60'000}));
        QCOMPARE(scale.shown(First, Latest + 5), (Range{50'005, 60'005}));
    }

    // Zoomed about a moment, that moment keeps its place on the screen.
    void zoomsAboutThePointer_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<std::int64_t>("at");
        QTest::addColumn<Range>("shown");
        QTest::newRow("in about the middle")
            << 0.5 << std::int64_t(55'000) << Range{52'500, 57'500};
        QTest::newRow("in about a quarter") << 0.5 << std::int64_t(52'500) << Range{51'250, 56'250};
        QTest::newRow("in no closer than 10 ms")
            << 1e-6 << std::int64_t(55'000) << Range{54'995, 55'005};
        QTest::newRow("out to all of the history")
            << 100.0 << std::int64_t(55'000) << Range{0, 60'000};
    }
    void zoomsAboutThePointer()
    {
        TimelineScale scale;
        QFETCH(double, factor);
        QFETCH(std::int64_t, at);
        QFETCH(Range, shown);
        scale.zoom(factor, at, First, Latest);
        QCOMPARE(scale.shown(First, Latest), shown);
        QVERIFY(!scale.following());
    }

    void pansWithinTheHistory_data()
    {
        QTest::addColumn<std::int64_t>("by");
        QTest::addColumn<Range>("shown");
        QTest::newRow("back") << std::int64_t(-20'000) << Range{30'000, 40'000};
        QTest::newRow("before the start") << std::int64_t(-90'000) << Range{0, 10'000};
        QTest::newRow("past the latest") << std::int64_t(5'000) << Range{50'000, 60'000};
    }
    void pansWithinTheHistory()
    {
        QFETCH(std::int64_t, by);
        QFETCH(Range, shown);
        TimelineScale scale;
        scale.pan(by, First, Latest);
        QCOMPARE(scale.shown(First, Latest), shown);
    }

    // Panned away, the picture stays while the history grows, until End.
    void followsAgainWhenTold()
    {
        TimelineScale scale;
        scale.pan(-20'000, First, Latest);
        QCOMPARE(scale.shown(First, Latest + 1000), (Range{30'000, 40'000}));
        scale.follow();
        QCOMPARE(scale.shown(First, Latest + 1000), (Range{51'000, 61'000}));
    }
};

QTEST_GUILESS_MAIN(TestTimelineScale)
#include "tst_timeline_scale.moc"
