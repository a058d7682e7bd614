// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/PortSession.h"
#include "monitor/Quorlin.h"
#include "settings/SettingsSchema.h"
#include "support/FakePlatform.h"
#include "support/QuorlinControls.h"
#include "support/WindowWaits.h"

#include <QSignalSpy>
#include <QTest>

using namespace QuorlinControls;

namespace {
const QString NotAvailable = QStringLiteral(": not available. Check for correct Com Port.");
const QString Unreadable =
    QStringLiteral(": the port opened but cannot report its handshake lines.");

void showAndActivate(Quorlin& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window, WindowManagerTimeout));
    QCoreApplication::processEvents();
}

QList<bool> greenRows(const Quorlin& window)
{
    return {greenLamp(window, 0)->isVisibleTo(&window), greenLamp(window, 1)->isVisibleTo(&window),
            greenLamp(window, 2)->isVisibleTo(&window)};
}

const QList<bool> AllGreen{true, true, true};
const QList<bool> AllRed{false, false, false};
// Enough for a few tries to reopen a lost port.
constexpr int RetriesTimeout = 4 * int(PortSession::RetryInterval.count());
} // namespace

// A port that goes away, one that comes back, and one whose lines cannot be read.
class TestPortLoss : public QObject
{
    Q_OBJECT

private slots:
    void lostPortIsSaidOnceAndReopened_data()
    {
        QTest::addColumn<bool>("lineSaysLost");
        QTest::newRow("the line says its device is gone") << true;
        QTest::newRow("a read fails after good ones") << false;
    }
    void lostPortIsSaidOnceAndReopened()
    {
        QFETCH(bool, lineSaysLost);
        FakePlatform rig;
        FakePort& port = rig.port(1);
        port.cts = port.cd = port.dsr = true;
        Quorlin window(rig.platform());
        showAndActivate(window);
        QTRY_COMPARE(greenRows(window), AllGreen);

        if (lineSaysLost) {
            port.unplug();
        } else {
            port.ctsFails = true;
            port.openFails = true;
        }
        QTRY_COMPARE(rig.messages.texts, QStringList{"COM 1" + NotAvailable});
        QVERIFY(!port.isOpen);
        QCOMPARE(rig.messages.informativeTexts.last(), lineSaysLost ? "gone" : "");
        // Tried again and again while away, and nothing more is said.
        const int attempts = port.attempts;
        QTRY_VERIFY_WITH_TIMEOUT(port.attempts >= attempts + 2, RetriesTimeout);
        QCOMPARE(greenRows(window), AllGreen);

        port.openFails = port.ctsFails = false;
        port.cts = false;
        QTRY_VERIFY_WITH_TIMEOUT(port.isOpen, RetriesTimeout);
        QVERIFY(port.rts && port.dtr);
        QTRY_COMPARE(greenRows(window), QList<bool>({true, true, false}));
        QCOMPARE(rig.messages.texts.size(), 1);
    }

    void choosingAPortOrAboutEndsTheWaiting_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Com2") << "mnuCom2";
        QTest::newRow("About") << "mnuAbout";
    }
    void choosingAPortOrAboutEndsTheWaiting()
    {
        QFETCH(QString, command);
        FakePlatform rig;
        Quorlin window(rig.platform());
        showAndActivate(window);
        rig.port(1).cts = true;
        QTRY_COMPARE(greenRows(window), QList<bool>({false, false, true}));
        rig.port(1).unplug();
        QTRY_COMPARE(rig.messages.texts.size(), 1);
        auto* retry = window.findChild<QTimer*>(QStringLiteral("PortRecovery"));
        QVERIFY(retry && retry->isActive());

        action(window, command)->trigger();
        QVERIFY(!retry->isActive());
        // Port 1 back now: while About is up, nothing opens it.
        rig.port(1).openFails = false;
        QVERIFY(nextTick(window));
        QCOMPARE(rig.port(1).isOpen, false);
    }

    // A port that opens later, as a remote one does: its end is told as a
    // failed open is, unless the user ended the wait with another choice.
    void lateOpenEndsAsChosen_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("opens") << QString() << true << QStringList();
        QTest::newRow("fails") << QString() << false << QStringList{"COM 1" + NotAvailable};
        QTest::newRow("About meanwhile") << "mnuAbout" << false << QStringList();
        QTest::newRow("Com2 meanwhile") << "mnuCom2" << false << QStringList();
    }
    void lateOpenEndsAsChosen()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, opens);
        QFETCH(QStringList, messages);
        FakePlatform rig;
        FakePort& port = rig.port(1);
        port.opensLater = true;
        port.cts = true;
        port.openFailureReason = QStringLiteral("The server did not answer in time.");
        Quorlin window(rig.platform());
        showAndActivate(window);
        QVERIFY(port.pending);

        if (meanwhile.isEmpty())
            port.pending->finish(opens);
        else
            action(window, meanwhile)->trigger();
        // Nothing is left under way to be told later.
        QVERIFY(!port.pending);
        QCOMPARE(rig.messages.texts, messages);
        if (!messages.isEmpty())
            QCOMPARE(rig.messages.informativeTexts.last(), port.openFailureReason);
        QCOMPARE(port.isOpen && port.rts && port.dtr, opens);
        QTRY_COMPARE(greenRows(window), QList<bool>({false, false, opens}));
    }

    void triesForALostPortDoNotOverlap()
    {
        FakePlatform rig;
        FakePort& port = rig.port(1);
        port.opensLater = true;
        Quorlin window(rig.platform());
        showAndActivate(window);
        QVERIFY(port.pending);
        port.pending->finish(true);
        port.cts = true;
        QTRY_COMPARE(greenRows(window), QList<bool>({false, false, true}));
        port.unplug();
        QTRY_COMPARE(rig.messages.texts.size(), 1);

        // The first try is under way; the timer's next ticks start no other.
        QTRY_VERIFY_WITH_TIMEOUT(port.pending, RetriesTimeout);
        const int attempts = port.attempts;
        auto* retry = window.findChild<QTimer*>(QStringLiteral("PortRecovery"));
        QSignalSpy ticks(retry, &QTimer::timeout);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, RetriesTimeout);
        QCOMPARE(port.attempts, attempts);

        // Its failure is quiet, and the next tick tries again.
        port.pending->finish(false);
        QTRY_VERIFY_WITH_TIMEOUT(port.attempts == attempts + 1, RetriesTimeout);
        port.pending->finish(true);
        QTRY_VERIFY(port.isOpen && port.rts && port.dtr);
        QCOMPARE(rig.messages.texts.size(), 1);
    }

    void unreadableLinesAreSaidOnceFromRed_data()
    {
        QTest::addColumn<bool>("fromALitPort");
        QTest::newRow("chosen after a lit port") << true;
        QTest::newRow("at start-up") << false;
    }
    void unreadableLinesAreSaidOnceFromRed()
    {
        QFETCH(bool, fromALitPort);
        FakePlatform rig;
        rig.port(1).cts = rig.port(1).cd = rig.port(1).dsr = true;
        rig.port(2).ctsFails = true;
        if (!fromALitPort)
            SettingsSchema::write(rig.store, SettingsSchema::Key::ComPort, "2");
        Quorlin window(rig.platform());
        showAndActivate(window);
        if (fromALitPort) {
            QTRY_COMPARE(greenRows(window), AllGreen);
            portItem(window, 2)->trigger();
        }
        QTRY_COMPARE(rig.messages.texts, QStringList{"COM 2" + Unreadable});
        QCOMPARE(greenRows(window), AllRed);
        // The port stays open, its ticks go on failing, and nothing more is said.
        QVERIFY(rig.port(2).isOpen && rig.port(2).rts && rig.port(2).dtr);
        QVERIFY(nextTick(window));
        QVERIFY(nextTick(window));
        QCOMPARE(rig.messages.texts.size(), 1);
    }

    void failedOpenGivesTheReason()
    {
        FakePlatform rig;
        rig.port(1).openFails = true;
        rig.port(1).openFailureReason = QStringLiteral("Permission denied");
        Quorlin window(rig.platform());
        showAndActivate(window);
        QCOMPARE(rig.messages.texts, QStringList{"COM 1" + NotAvailable});
        QCOMPARE(rig.messages.informativeTexts, QStringList{"Permission denied"});
    }
};

QTEST_MAIN(TestPortLoss)
#include "tst_portloss.moc"
