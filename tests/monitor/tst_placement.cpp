// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/WindowPlacement.h"
#include "platform/Twips.h"

#include <QTest>

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void twipsToPixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("perPixel");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 dpi") << 1500.0 << 15.0 << 100;
        QTest::newRow("120 dpi") << 1500.0 << 12.0 << 125;
        QTest::newRow("248.5 to even 248") << 3727.5 << 15.0 << 248;
        QTest::newRow("249.5 to even 250") << 3742.5 << 15.0 << 250;
        QTest::newRow("negative edge") << -60.0 << 15.0 << -4;
        QTest::newRow("-0.5 to even 0") << -7.5 << 15.0 << 0;
        QTest::newRow("-1.5 to even -2") << -22.5 << 15.0 << -2;
        QTest::newRow("just past half") << 3728.0 << 15.0 << 249;
    }
    void twipsToPixels()
    {
        QFETCH(double, twips);
        QFETCH(double, perPixel);
        QFETCH(int, pixels);
        QCOMPARE(Twips::toPixels(twips, perPixel), pixels);
    }

    void onScreen_data()
    {
        const QList<QRect> twoScreens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("inside") << 100.0 << 60.0 << twoScreens << QPoint(100, 60);
        QTest::newRow("second screen") << 2000.0 << 900.0 << twoScreens << QPoint(2000, 900);
        QTest::newRow("partly off the left") << -100.0 << -4.0 << twoScreens << QPoint(-100, -4);
        QTest::newRow("one pixel showing") << -149.0 << 10.0 << twoScreens << QPoint(-149, 10);
        QTest::newRow("just off the left") << -150.0 << 10.0 << twoScreens << QPoint(10, 20);
        QTest::newRow("unplugged monitor") << 3300.0 << 100.0 << twoScreens << QPoint(10, 20);
        QTest::newRow("below the short screen") << 2000.0 << 1030.0 << twoScreens << QPoint(10, 20);
        QTest::newRow("far beyond int") << 1e30 << -1e30 << twoScreens << QPoint(10, 20);
        QTest::newRow("no screens at all") << 0.0 << 0.0 << QList<QRect>{} << QPoint(10, 20);
    }
    void onScreen()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, placed);
        const QRect fallback(10, 20, 1900, 1000);
        QCOMPARE(WindowPlacement::onScreen(x, y, QSize(150, 180), screens, fallback), placed);
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
