// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

// Which window system Quorlin starts on, and what that one lets it do.
#include "platform/desktop/PlatformChoice.h"
#include "platform/desktop/WindowSystem.h"

#include <QTest>

class TestPlatformChoice : public QObject
{
    Q_OBJECT

private slots:
    void whenUnchosen_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        const QStringList both{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"};
        QTest::newRow("Wayland with Xwayland") << both << QStringList{} << "xcb";
        QTest::newRow("Wayland without Xwayland")
            << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QStringList{} << "";
        QTest::newRow("X11 only") << QStringList{"DISPLAY=:0"} << QStringList{} << "";
        QTest::newRow("QT_QPA_PLATFORM chosen")
            << both + QStringList{"QT_QPA_PLATFORM=wayland"} << QStringList{} << "";
        QTest::newRow("QT_QPA_PLATFORM empty")
            << both + QStringList{"QT_QPA_PLATFORM="} << QStringList{} << "xcb";
        QTest::newRow("-platform chosen") << both << QStringList{"-platform", "wayland"} << "";
        QTest::newRow("--platform chosen") << both << QStringList{"--platform", "wayland"} << "";
        QTest::newRow("an option's value that reads platform")
            << both << QStringList{"--settings", "platform"} << "xcb";
    }
    void whenUnchosen()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QProcessEnvironment variables;
        for (const QString& variable : environment)
            variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QCOMPARE(PlatformChoice::whenUnchosen(variables, QStringList{"quorlin"} + arguments),
                 platform);
    }

    void windowSystemOf_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("native");
        QTest::newRow("wayland") << "wayland" << true;
        QTest::newRow("wayland-egl") << "wayland-egl" << true;
        QTest::newRow("xcb") << "xcb" << false;
        QTest::newRow("offscreen") << "offscreen" << false;
    }
    void windowSystemOf()
    {
        QFETCH(QString, platform);
        QFETCH(bool, native);
        const WindowSystem system = ::windowSystemOf(platform);
        QCOMPARE(system.reportsPosition, !native);
        QCOMPARE(system.keepsAbove, !native);
    }
};

QTEST_MAIN(TestPlatformChoice)
#include "tst_platform_choice.moc"
