// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// The Com menu's items that drive the port's outputs, and the outputs each
// port opens with.
#include "monitor/Quorlin.h"
#include "settings/SettingsSchema.h"
#include "support/FakePlatform.h"
#include "support/QuorlinControls.h"

#include <QSignalSpy>
#include <QTest>

using namespace QuorlinControls;
using namespace std::chrono_literals;

namespace {

const QStringList DrivingItems{"mnuDTR", "mnuRTS", "mnuPulseDTR", "mnuPulseRTS", "mnuSendBreak"};

QList<bool> enabledItems(const Quorlin& window)
{
    QList<bool> enabled;
    for (const QString& name : DrivingItems)
        enabled << action(window, name)->isEnabled();
    return enabled;
}

} // namespace

class TestOutputLines : public QObject
{
    Q_OBJECT

private slots:
    void disabledWhileNoPortIsOpen()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        QCOMPARE(enabledItems(window), QList<bool>(5, false));
        showAndActivate(window);
        QCOMPARE(enabledItems(window), QList<bool>(5, true));

        portItem(window, 4)->trigger(); // no such port
        QCOMPARE(enabledItems(window), QList<bool>(5, false));
        QVERIFY(!action(window, "mnuDTR")->isChecked());

        portItem(window, 1)->trigger();
        rig.port(1).unplug();
        nextTick(window);
        QTRY_COMPARE(enabledItems(window), QList<bool>(5, false));
    }

    void opensWithTheChosenLines_data()
    {
        QTest::addColumn<QStringList>("stored"); // "Key=value" in [Lines]
        QTest::addColumn<QStringList>("forRun"); // what the command line chose
        QTest::addColumn<bool>("dtr");
        QTest::addColumn<bool>("rts");
        QTest::newRow("no section") << QStringList{} << QStringList{} << true << true;
        QTest::newRow("DTR off") << QStringList{"Com1DTR=0"} << QStringList{} << false << true;
        QTest::newRow("both off") << QStringList{"Com1DTR=0", "Com1RTS=0"} << QStringList{} << false
                                  << false;
        QTest::newRow("stored on")
            << QStringList{"Com1DTR=1", "Com1RTS=1"} << QStringList{} << true << true;
        QTest::newRow("another port's")
            << QStringList{"Com2RTS=0"} << QStringList{} << true << true;
        QTest::newRow("odd text is asserted")
            << QStringList{"Com1RTS=off"} << QStringList{} << true << true;
        QTest::newRow("the run's choice over the stored one")
            << QStringList{"Com1DTR=0"} << QStringList{"DTR on", "RTS off"} << true << false;
    }
    void opensWithTheChosenLines()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, forRun);
        QFETCH(bool, dtr);
        QFETCH(bool, rts);
        FakePlatform rig;
        for (const QString& entry : stored)
            rig.store.write("Lines", entry.section('=', 0, 0), entry.section('=', 1));
        Quorlin window(rig.platform());
        for (const QString& choice : forRun)
            window.chooseLineForRun(choice.startsWith("DTR") ? OutputLine::DataTerminalReady
                                                             : OutputLine::RequestToSend,
                                    choice.endsWith("on"));
        const int writes = rig.store.writes.size();
        showAndActivate(window);

        QCOMPARE(rig.port(1).dtr, dtr);
        QCOMPARE(rig.port(1).rts, rts);
        // A port that sets its outputs as it opens is handed them first.
        QCOMPARE(rig.port(1).openingLevels, (OutputLevels{dtr, rts}));
        QCOMPARE(action(window, "mnuDTR")->isChecked(), dtr);
        QCOMPARE(action(window, "mnuRTS")->isChecked(), rts);
        for (const QString& write : rig.store.writes.mid(writes))
            QVERIFY2(!write.startsWith("Lines/"), qPrintable(write));
    }

    void switchingALineIsStoredAndKept()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        window.chooseLineForRun(OutputLine::DataTerminalReady, true);
        showAndActivate(window);

        action(window, "mnuDTR")->trigger();
        QVERIFY(!rig.port(1).dtr);
        QVERIFY(rig.port(1).rts);
        QVERIFY(!action(window, "mnuDTR")->isChecked());
        QCOMPARE(rig.store.read("Lines", "Com1DTR"), "0");

        // The user's switch stands over the run's choice, at the next open too.
        portItem(window, 2)->trigger();
        QVERIFY(rig.port(2).dtr);
        portItem(window, 1)->trigger();
        QVERIFY(!rig.port(1).dtr);
        QVERIFY(!action(window, "mnuDTR")->isChecked());

        action(window, "mnuDTR")->trigger();
        QVERIFY(rig.port(1).dtr);
        QCOMPARE(rig.store.read("Lines", "Com1DTR"), "1");
        QVERIFY(rig.messages.texts.isEmpty());
    }

    void aPulseGoesTheOtherWayAndBack_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("stored"); // the line's stored choice, empty for none
        QTest::newRow("DTR, asserted") << "mnuPulseDTR"
                                       << "";
        QTest::newRow("RTS, not asserted") << "mnuPulseRTS"
                                           << "0";
    }
    void aPulseGoesTheOtherWayAndBack()
    {
        QFETCH(QString, item);
        QFETCH(QString, stored);
        const bool isDtr = item.endsWith("DTR");
        FakePlatform rig;
        if (!stored.isEmpty())
            rig.store.write("Lines", isDtr ? "Com1DTR" : "Com1RTS", stored);
        Quorlin window(rig.platform());
        window.setPulseLength(50ms);
        showAndActivate(window);
        bool& line = isDtr ? rig.port(1).dtr : rig.port(1).rts;
        const bool held = line;
        const int writes = rig.store.writes.size();

        action(window, item)->trigger();
        QCOMPARE(line, !held);
        // A second pulse while one is under way leaves it to end.
        action(window, item)->trigger();
        QCOMPARE(line, !held);
        QTRY_COMPARE(line, held);
        QCOMPARE(rig.store.writes.size(), writes);
    }

    void aBreakComesAndGoes()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        action(window, "mnuSendBreak")->trigger();
        QVERIFY(rig.port(1).breaking);
        QTRY_VERIFY(!rig.port(1).breaking);
        QVERIFY(rig.port(1).dtr && rig.port(1).rts);
    }

    void aPortThatCannotDriveSaysSoOnce()
    {
        FakePlatform rig;
        rig.port(1).drivesOutputs = false;
        Quorlin window(rig.platform());
        showAndActivate(window);
        // Opening with both asserted is tried without a word.
        QVERIFY(rig.messages.texts.isEmpty());

        action(window, "mnuDTR")->trigger();
        action(window, "mnuDTR")->trigger();
        action(window, "mnuPulseDTR")->trigger();
        action(window, "mnuSendBreak")->trigger();
        action(window, "mnuSendBreak")->trigger();
        QCOMPARE(rig.messages.texts, (QStringList{"COM 1: the port cannot drive DTR.",
                                                  "COM 1: the port cannot send a break."}));
        // Opened again, it is told again.
        portItem(window, 1)->trigger();
        action(window, "mnuRTS")->trigger();
        action(window, "mnuPulseDTR")->trigger();
        QCOMPARE(rig.messages.texts.mid(2), (QStringList{"COM 1: the port cannot drive RTS.",
                                                         "COM 1: the port cannot drive DTR."}));
    }
};

QTEST_MAIN(TestOutputLines)
#include "tst_output_lines.moc"
