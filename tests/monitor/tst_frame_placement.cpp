// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Which reported moves of the frame are the window manager's answer to a
// placement, and which the user's.
#include "monitor/FramePlacement.h"

#include <QTest>

using Verdict = FramePlacement::Verdict;
Q_DECLARE_METATYPE(QList<QPoint>)
Q_DECLARE_METATYPE(QList<Verdict>)

namespace {
const QPoint Asked{150, 120};
const QPoint Elsewhere{150, 83}; // a title bar too high
const QPoint Dragged{400, 300};
} // namespace

class TestFramePlacement : public QObject
{
    Q_OBJECT

private slots:
    void reports_data()
    {
        QTest::addColumn<QPoint>("from"); // where the window is when it is placed at Asked
        QTest::addColumn<QList<QPoint>>("reports");
        QTest::addColumn<QList<Verdict>>("verdicts");
        QTest::newRow("put where asked, then dragged")
            << QPoint(0, 0) << QList<QPoint>{Asked, Dragged}
            << QList<Verdict>{Verdict::Settled, Verdict::UserMove};
        QTest::newRow("put elsewhere, asked again, put where asked")
            << QPoint(0, 0) << QList<QPoint>{Elsewhere, Asked, Dragged}
            << QList<Verdict>{Verdict::AskAgain, Verdict::Settled, Verdict::UserMove};
        QTest::newRow("put elsewhere twice: asked again only once")
            << QPoint(0, 0) << QList<QPoint>{Elsewhere, Elsewhere, Dragged}
            << QList<Verdict>{Verdict::AskAgain, Verdict::Settled, Verdict::UserMove};
        QTest::newRow("already there: no answer is waited for")
            << Asked << QList<QPoint>{Dragged} << QList<Verdict>{Verdict::UserMove};
    }
    void reports()
    {
        QFETCH(QPoint, from);
        QFETCH(QList<QPoint>, reports);
        QFETCH(QList<Verdict>, verdicts);
        FramePlacement placement;
        placement.placing(Asked, from);
        QList<Verdict> got;
        for (const QPoint at : reports)
            got.append(placement.reported(at));
        QCOMPARE(got, verdicts);
        QCOMPARE(placement.target(), Asked);
    }

    void aNewPlacementMayBeAskedForAgain()
    {
        FramePlacement placement;
        placement.placing(Asked, {});
        QCOMPARE(placement.reported(Elsewhere), Verdict::AskAgain);
        placement.placing(Asked, Elsewhere);
        QCOMPARE(placement.reported(Elsewhere), Verdict::AskAgain);
    }
};

QTEST_MAIN(TestFramePlacement)
#include "tst_frame_placement.moc"
