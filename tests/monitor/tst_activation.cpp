// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Which activations of the main window reload it and reopen the port. Runs on
// the offscreen platform and under a real window manager, which report
// activation differently.
#include "about/frmAbout.h"
#include "monitor/Quorlin.h"
#include "platform/desktop/QtMessageBox.h"
#include "support/FakePlatform.h"
#include "support/QuorlinControls.h"
#include "support/WindowWaits.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace QuorlinControls;

namespace {
bool onX11()
{
    return QGuiApplication::platformName() == "xcb";
}

bool activate(QWidget* window)
{
    window->activateWindow();
    window->raise();
    return QTest::qWaitForWindowActive(window, WindowManagerTimeout);
}

// Waits until `window` has the focus, then delivers what that queued: an
// activation it caused has run once this returns.
bool focusedAndSettled(QWidget* window)
{
    if (!QTest::qWaitForWindowActive(window, WindowManagerTimeout))
        return false;
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    return true;
}
} // namespace

class TestActivation : public QObject
{
    Q_OBJECT

    FakePlatform* m_rig = nullptr;
    Quorlin* m_window = nullptr;
    // Times the focus came back to the main window from the About dialog. A
    // window manager may bounce the focus between the two while it settles
    // an activation, and each such return reloads, as a user's would.
    int m_returnsFromAbout = 0;
    QMetaObject::Connection m_focusLog;

    int runs() const { return m_rig->port(1).attempts; }
    int expectedRuns() const { return 1 + m_returnsFromAbout; }
    frmAbout* openAbout()
    {
        action(*m_window, "mnuAbout")->trigger();
        frmAbout* about = aboutDialog();
        if (about)
            (void)QTest::qWaitForWindowActive(about, WindowManagerTimeout);
        return about;
    }

private slots:
    void init()
    {
        m_rig = new FakePlatform;
        m_window = new Quorlin(m_rig->platform());
        m_returnsFromAbout = 0;
        m_focusLog = connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                             [this, fromAbout = false](QWindow* now) mutable {
                                 if (!now)
                                     return;
                                 if (now == m_window->windowHandle() && fromAbout)
                                     ++m_returnsFromAbout;
                                 const frmAbout* about = aboutDialog();
                                 fromAbout = about && now == about->windowHandle();
                             });
        m_window->show();
        QVERIFY(focusedAndSettled(m_window));
    }
    void cleanup()
    {
        disconnect(m_focusLog);
        delete m_window;
        delete m_rig;
    }

    void firstShowRunsItOnce()
    {
        QCOMPARE(runs(), 1);
        QVERIFY(m_rig->port(1).isOpen);
    }

    void firstShowWithoutFocusRunsIt()
    {
        // A window manager may give a new window no focus at all.
        FakePlatform rig;
        Quorlin unfocused(rig.platform());
        unfocused.setAttribute(Qt::WA_ShowWithoutActivating);
        unfocused.show();
        QTRY_VERIFY(rig.port(1).isOpen);
        QVERIFY(activate(&unfocused));
        QVERIFY(focusedAndSettled(&unfocused));
        QCOMPARE(rig.port(1).attempts, 1); // the focus that follows is no second first time
    }

    void backFromTheOpenAboutDialog()
    {
        frmAbout* about = openAbout();
        QVERIFY(about);
        QVERIFY(!m_rig->port(1).isOpen);
        QVERIFY(activate(m_window));
        QTRY_VERIFY(m_rig->port(1).isOpen);
        QVERIFY(focusedAndSettled(m_window));
        QVERIFY(m_returnsFromAbout >= 1);
        QCOMPARE(runs(), expectedRuns());
        QVERIFY(about->isVisible());
    }

    void closingTheAboutDialogReopensThePortOnce()
    {
        QPointer<frmAbout> about = openAbout();
        QVERIFY(about);
        QVERIFY(!m_rig->port(1).isOpen);
        const int runsBefore = expectedRuns();
        about->close();
        QTRY_VERIFY(!about);
        // Whether or not the platform then activates the main window (the
        // offscreen one does not): that activation is the same return.
        QTRY_VERIFY(m_rig->port(1).isOpen);
        QVERIFY(activate(m_window));
        QVERIFY(focusedAndSettled(m_window));
        QCOMPARE(runs(), runsBefore + 1);
    }

    void toTheOpenDialogLeavesThePortAlone()
    {
        frmAbout* about = openAbout();
        QVERIFY(activate(m_window));
        QTRY_VERIFY(m_rig->port(1).isOpen);
        QVERIFY(activate(about));
        QVERIFY(focusedAndSettled(about));
        QVERIFY(m_rig->port(1).isOpen);
        QCOMPARE(runs(), expectedRuns());
    }

    void closingAMessageBoxDoesNotRunIt()
    {
        // The port choice fails, and the real message box comes up and is dismissed.
        QtMessageBox realBox(QStringLiteral("Quorlin"));
        QTimer closer;
        m_rig->messages.whileShown = [&] {
            // Dismissed once it has the focus, as a user would.
            QObject::connect(&closer, &QTimer::timeout, [] {
                QWidget* box = QApplication::activeModalWidget();
                if (box && box->isActiveWindow())
                    box->close();
            });
            closer.start(10);
            realBox.show(m_window, m_rig->messages.texts.last());
            closer.stop();
        };
        portItem(*m_window, 5)->trigger();
        QCOMPARE(m_rig->messages.texts.size(), 1);
        QVERIFY(focusedAndSettled(m_window) || activate(m_window));
        QVERIFY(focusedAndSettled(m_window));
        QCOMPARE(m_rig->messages.texts.size(), 1);
    }

    void backFromAnotherApplication()
    {
        if (!onX11())
            QSKIP("needs a second X client");
        QProcess other;
        other.start("xmessage", {"-name", "quorlin-test-other", "another application"});
        QVERIFY(other.waitForStarted());
        QProcess find;
        find.start("xdotool", {"search", "--sync", "--onlyvisible", "--classname",
                               "quorlin-test-other", "windowactivate", "--sync"});
        QVERIFY(find.waitForFinished(WindowManagerTimeout) && find.exitCode() == 0);
        QTRY_VERIFY(!m_window->isActiveWindow());
        QVERIFY(activate(m_window));
        QVERIFY(focusedAndSettled(m_window));
        QCOMPARE(runs(), 1);
        other.kill();
        other.waitForFinished();
    }
};

QTEST_MAIN(TestActivation)
#include "tst_activation.moc"
