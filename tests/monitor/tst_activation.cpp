// Which activations of the main window reload it and reopen the port. Runs on
// the offscreen platform and under a real window manager, which report
// activation differently.
#include "about/frmAbout.h"
#include "monitor/Quorlin.h"
#include "platform/QtMessageBox.h"
#include "support/FakePlatform.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

namespace {
bool onX11()
{
    return QGuiApplication::platformName() == "xcb";
}

bool activate(QWidget* window)
{
    window->activateWindow();
    window->raise();
    return QTest::qWaitForWindowActive(window);
}

// Lets queued activations and the window manager's replies arrive.
void settle()
{
    QTest::qWait(onX11() ? 400 : 50);
}
} // namespace

class TestActivation : public QObject
{
    Q_OBJECT

    FakePlatform* m_rig = nullptr;
    Quorlin* m_window = nullptr;

    int runs() const { return m_rig->port(1).attempts; }
    frmAbout* openAbout()
    {
        m_window->mnuAbout->trigger();
        frmAbout* about = m_window->aboutDialog();
        if (about)
            (void)QTest::qWaitForWindowActive(about);
        return about;
    }

private slots:
    void init()
    {
        m_rig = new FakePlatform;
        m_window = new Quorlin(m_rig->platform());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        settle();
    }
    void cleanup()
    {
        delete m_window;
        delete m_rig;
    }

    void firstShowRunsItOnce()
    {
        QCOMPARE(runs(), 1);
        QVERIFY(m_rig->port(1).isOpen);
    }

    void backFromTheOpenAboutDialog()
    {
        frmAbout* about = openAbout();
        QVERIFY(about);
        QVERIFY(!m_rig->port(1).isOpen);
        QVERIFY(activate(m_window));
        QTRY_VERIFY(m_rig->port(1).isOpen);
        settle();
        QCOMPARE(runs(), 2);
        QVERIFY(about->isVisible());
    }

    void backAfterTheAboutDialogCloses()
    {
        QPointer<frmAbout> about = openAbout();
        QVERIFY(about);
        about->close();
        QTRY_VERIFY(!about);
        QVERIFY(activate(m_window)); // the window manager may have done so already
        QTRY_VERIFY(m_rig->port(1).isOpen);
        settle();
        QCOMPARE(runs(), 2);
    }

    void toTheOpenDialogLeavesThePortAlone()
    {
        frmAbout* about = openAbout();
        QVERIFY(activate(m_window));
        QTRY_VERIFY(m_rig->port(1).isOpen);
        QVERIFY(activate(about));
        settle();
        QVERIFY(m_rig->port(1).isOpen);
        QCOMPARE(runs(), 2);
    }

    void closingAMessageBoxDoesNotRunIt()
    {
        // The port choice fails, and the real message box comes up and is dismissed.
        QtMessageBox realBox;
        m_rig->messages.whileShown = [&] {
            QTimer::singleShot(300, [] {
                if (QWidget* box = QApplication::activeModalWidget())
                    box->close();
            });
            realBox.show(m_window, m_rig->messages.texts.last());
        };
        m_window->mnuComItem[4]->trigger();
        QCOMPARE(m_rig->messages.texts.size(), 1);
        QVERIFY(QTest::qWaitForWindowActive(m_window) || activate(m_window));
        settle();
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
        QVERIFY(find.waitForFinished(10000) && find.exitCode() == 0);
        QTRY_VERIFY(!m_window->isActiveWindow());
        QVERIFY(activate(m_window));
        settle();
        QCOMPARE(runs(), 1);
        other.kill();
        other.waitForFinished();
    }
};

QTEST_MAIN(TestActivation)
#include "tst_activation.moc"
