// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "support/TestSettingsFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answeredWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("told"); // on stdout for status 0, else on stderr

        const QString missingFolder = QDir::tempPath() + "/quorlin-no-such-folder/side.conf";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--settings <file>";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Quorlin 1.0.0\n";
        QTest::newRow("help with Qt's options") << QStringList{"--help-all"} << 0 << "--reverse";
        QTest::newRow("port 0") << QStringList{"--port", "0"} << 2
                                << "invalid value '0' for --port";
        QTest::newRow("port 10") << QStringList{"--port=10"} << 2
                                 << "invalid value '10' for --port";
        QTest::newRow("port abc") << QStringList{"--port", "abc"} << 2
                                  << "invalid value 'abc' for --port";
        QTest::newRow("port beyond 16 bits")
            << QStringList{"--port", "99999"} << 2 << "invalid value '99999' for --port";
        QTest::newRow("port without a value") << QStringList{"--port"} << 2 << "'--port'";
        QTest::newRow("settings in a missing folder")
            << QStringList{"--settings", missingFolder} << 2
            << QStringLiteral("invalid value '%1' for --settings").arg(missingFolder);
        QTest::newRow("settings naming a folder")
            << QStringList{"--settings", QDir::tempPath()} << 2 << "for --settings";
        QTest::newRow("log in a missing folder")
            << QStringList{"--log", missingFolder} << 2
            << QStringLiteral("invalid value '%1' for --log").arg(missingFolder);
        QTest::newRow("log without a value") << QStringList{"--log"} << 2 << "'--log'";
        QTest::newRow("help names the lines' options")
            << QStringList{"--help"} << 0 << "--dtr <on|off>";
        QTest::newRow("dtr maybe") << QStringList{"--dtr", "maybe"} << 2
                                   << "invalid value 'maybe' for --dtr: on or off is expected";
        QTest::newRow("rts 1") << QStringList{"--rts=1"} << 2 << "invalid value '1' for --rts";
        QTest::newRow("pulse 0") << QStringList{"--pulse", "0"} << 2
                                 << "invalid value '0' for --pulse";
        QTest::newRow("pulse beyond 10 s")
            << QStringList{"--pulse", "10001"} << 2 << "invalid value '10001' for --pulse";
        QTest::newRow("pulse of text")
            << QStringList{"--pulse", "1s"} << 2 << "invalid value '1s' for --pulse";
        QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "'colour'";
        QTest::newRow("stray argument") << QStringList{"COM1"} << 2 << "'COM1'";
    }
    void answeredWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, told);
        QVERIFY(!QDir(QDir::tempPath() + "/quorlin-no-such-folder").exists());

        // As over ssh: no display to connect to, so a program that reached
        // for one would abort instead of answering.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        const QTemporaryDir runtime; // where Qt's platform, made for --help-all, looks
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess quorlin;
        quorlin.setProcessEnvironment(environment);
        quorlin.start(QUORLIN_EXECUTABLE, arguments);
        QVERIFY(quorlin.waitForFinished(10000));
        const QString out = QString::fromLocal8Bit(quorlin.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(quorlin.readAllStandardError());

        QCOMPARE(quorlin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quorlin.exitCode(), status);
        if (status == 0) {
            QVERIFY2(out.contains(told), qPrintable(out));
            QCOMPARE(err, QString());
        } else {
            QVERIFY2(err.startsWith("quorlin: ") && err.contains(told), qPrintable(err));
            QCOMPARE(err.count('\n'), 1);
            QCOMPARE(out, QString());
        }
    }

    void takesQtsOwnOptions_data()
    {
        QTest::addColumn<QStringList>("qtOptions");
        QTest::newRow("style") << QStringList{"-style", "fusion"};
        QTest::newRow("reverse") << QStringList{"-reverse"};
        QTest::newRow("window geometry") << QStringList{"-qwindowgeometry", "200x100+10+10"};
        QTest::newRow("platform") << QStringList{"-platform", "offscreen"};
    }
    void takesQtsOwnOptions()
    {
        QFETCH(QStringList, qtOptions);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString side = folder.filePath("side.conf");
        TestSettingsFile::write(side, "[Ports]\nCom3=loop://\n");

        QProcess quorlin;
        quorlin.start(QUORLIN_EXECUTABLE,
                      qtOptions + QStringList{"--settings", side, "--port", "3"});
        QVERIFY(quorlin.waitForStarted());
        // Running far enough to seed the labels: the options were taken, not refused.
        QTRY_VERIFY_WITH_TIMEOUT(TestSettingsFile::read(side).contains("Status3=Status Pin 3") ||
                                     quorlin.state() == QProcess::NotRunning,
                                 10000);
        QVERIFY2(quorlin.state() == QProcess::Running, quorlin.readAllStandardError().constData());
        quorlin.kill();
        QVERIFY(quorlin.waitForFinished());
    }

    void settingsFileReplacesThePerUserFile()
    {
        const QString perUser = TestSettingsFile::path();
        QVERIFY2(!perUser.isEmpty(), "refusing to run against the real settings folder");
        // Mapped too, so that a program reading the wrong file still opens no real device.
        const QByteArray perUserContent = "[Ports]\nCom3=loop://\n";
        TestSettingsFile::write(perUser, perUserContent);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString side = folder.filePath("side.conf");
        TestSettingsFile::write(side, "[Ports]\nCom3=loop://\n");

        QProcess quorlin;
        quorlin.start(QUORLIN_EXECUTABLE, {"--settings", side, "--port", "3"});
        QVERIFY(quorlin.waitForStarted());
        // The first activation seeds the labels after the port was stored.
        QTRY_VERIFY_WITH_TIMEOUT(TestSettingsFile::read(side).contains("Status3=Status Pin 3"),
                                 10000);
        quorlin.kill();
        QVERIFY(quorlin.waitForFinished());

        QVERIFY2(TestSettingsFile::read(side).contains("\nComPort=3\n"),
                 TestSettingsFile::read(side).constData());
        QCOMPARE(TestSettingsFile::read(perUser), perUserContent);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
