// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Where the main window comes up, under a real window manager, which owns the
// frame and answers moves in its own time.
#include "monitor/Quorlin.h"
#include "platform/desktop/ScreenTwips.h"
#include "settings/SettingsSchema.h"
#include "support/FakePlatform.h"
#include "support/WindowWaits.h"

#include <QScreen>
#include <QTest>

using SettingsSchema::Key;

class TestPosition : public QObject
{
    Q_OBJECT

private slots:
    void storedPosition_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("placed"); // "stored", "primary" or "unchanged"
        QTest::newRow("on screen") << "1500"
                                   << "900"
                                   << "stored";
        QTest::newRow("partly off, negative") << "-600"
                                              << "-150"
                                              << "stored";
        QTest::newRow("wholly off screen") << "1000000"
                                           << "1000000"
                                           << "primary";
        QTest::newRow("far out of range") << "1e30"
                                          << "-1e30"
                                          << "primary";
        QTest::newRow("not numbers") << "left"
                                     << "top"
                                     << "unchanged";
    }
    void storedPosition()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(QString, placed);
        FakePlatform rig;
        SettingsSchema::write(rig.store, Key::PositionLeft, left);
        SettingsSchema::write(rig.store, Key::PositionTop, top);
        Quorlin window(rig.platform());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, WindowManagerTimeout));
        const QPoint first = window.pos();
        QVERIFY(QTest::qWaitForWindowActive(&window, WindowManagerTimeout));
        QTRY_COMPARE(rig.port(1).attempts, 1);

        QPoint expected = first;
        if (placed == "primary") {
            expected = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
        } else if (placed == "stored") {
            expected = {Twips::toPixels(left.toDouble(), Twips::perPixelX(&window)),
                        Twips::toPixels(top.toDouble(), Twips::perPixelY(&window))};
        }
        QTRY_COMPARE(window.pos(), expected);
        // Text that is no position stays in the store as it was.
        QCOMPARE(SettingsSchema::read(rig.store, Key::PositionLeft), left);
    }

    void firstStartStaysWhereTheWindowAppeared()
    {
        FakePlatform rig;
        Quorlin window(rig.platform());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, WindowManagerTimeout));
        const QPoint appeared = window.pos();
        QVERIFY(QTest::qWaitForWindowActive(&window, WindowManagerTimeout));
        QTRY_COMPARE(rig.port(1).attempts, 1);
        // The window manager answers one request after another, and the X
        // server reports in order: once a window shown after the activation
        // sequence is active, every move that the sequence asked for has been
        // answered and has reached the window.
        QWidget later;
        later.show();
        later.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&later, WindowManagerTimeout));
        QCOMPARE(window.pos(), appeared);
        const double perPixel = Twips::perPixelX(&window);
        QCOMPARE(Twips::toPixels(SettingsSchema::read(rig.store, Key::PositionLeft).toDouble(),
                                 perPixel),
                 window.pos().x());
    }
};

QTEST_MAIN(TestPosition)
#include "tst_position.moc"
