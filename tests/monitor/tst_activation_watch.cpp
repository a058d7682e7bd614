// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// When the watched window counts as come back from the window it was left
// for: the orders in which platforms hand the focus around while that window
// opens and closes.
#include "monitor/ActivationWatch.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {
constexpr int FocusTimeout = 20000;

bool activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, FocusTimeout);
}
} // namespace

class TestActivationWatch : public QObject
{
    Q_OBJECT

private slots:
    void returnsFromTheReturnWindow_data()
    {
        // Steps: menu (a menu of the window's has the focus), leave (the
        // program shows the return window), main or return (that window takes
        // the focus), close (the return window closes).
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("returns");
        QTest::newRow("menu hands back the focus before the window is active")
            << QStringList{"menu", "leave", "main", "return"} << 0;
        QTest::newRow("back after the menu's hand-back")
            << QStringList{"menu", "leave", "main", "return", "main"} << 1;
        QTest::newRow("closed without ever being active") << QStringList{"leave", "close"} << 1;
        QTest::newRow("closed after the menu's hand-back")
            << QStringList{"menu", "leave", "main", "close"} << 1;
        QTest::newRow("closed, then the platform activates the window")
            << QStringList{"leave", "return", "close", "main"} << 1;
        QTest::newRow("back while it is open, then closed")
            << QStringList{"leave", "return", "main", "close"} << 1;
        QTest::newRow("opened twice, back each time")
            << QStringList{"leave", "return", "main", "leave", "return", "close"} << 2;
    }
    void returnsFromTheReturnWindow()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, returns);
        QWidget window;
        QWidget returnWindow;
        QWidget menu; // the menu bar's popup, which has the focus as it is chosen from
        ActivationWatch watch(
            window, [&](const QWindow* focused) { return focused == returnWindow.windowHandle(); });
        QSignalSpy activations(&watch, &ActivationWatch::activated);
        window.show();
        QVERIFY(activate(window));
        QTRY_COMPARE(activations.size(), 1); // the first showing
        for (const QString& step : steps) {
            if (step == "leave") {
                watch.leftForReturnWindow();
            } else if (step == "main") {
                QVERIFY(activate(window));
            } else if (step == "menu") {
                menu.show();
                QVERIFY(activate(menu));
            } else if (step == "return") {
                returnWindow.show();
                QVERIFY(activate(returnWindow));
            } else if (step == "close") {
                returnWindow.hide();
                watch.returnWindowClosed();
            }
            QCoreApplication::processEvents();
        }
        // The activations are queued.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(activations.size() - 1, returns);
    }
};

QTEST_MAIN(TestActivationWatch)
#include "tst_activation_watch.moc"
