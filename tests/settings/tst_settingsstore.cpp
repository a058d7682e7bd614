// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/QSettingsStore.h"
#include "settings/SettingsSchema.h"
#include "support/FakeSettingsStore.h"
#include "support/TestSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

using SettingsSchema::Key;

class TestSettingsStore : public QObject
{
    Q_OBJECT

    QString m_file;

    void writeFile(const QByteArray& content) const { TestSettingsFile::write(m_file, content); }
    QByteArray readFile() const { return TestSettingsFile::read(m_file); }

private slots:
    void initTestCase()
    {
        m_file = TestSettingsFile::path();
        QVERIFY2(!m_file.isEmpty(), "refusing to run against the real settings folder");
    }
    void init()
    {
        QDir(QFileInfo(m_file).path()).mkpath(".");
        QFile::remove(m_file);
    }

    void roundTripThroughTheFile_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("label") << "Request To Send";
        QTest::newRow("blanks are kept") << "   ";
        QTest::newRow("commas") << "CTS, from pin 8";
        QTest::newRow("quotes and equals") << "a \"b\" = c";
        QTest::newRow("non-Latin") << "Ближний ↔ 遠端";
        QTest::newRow("longer than a text box takes by default") << QString(100000, 'x');
    }
    void roundTripThroughTheFile()
    {
        QFETCH(QString, value);
        QSettingsStore().write("Settings", "Status1", value);
        QVERIFY(QFile::exists(m_file)); // written at once, not at some later flush
        QCOMPARE(QSettingsStore().read("Settings", "Status1"), value);
    }

    void missingKeyReadsEmpty()
    {
        QSettingsStore store;
        QCOMPARE(store.read("Settings", "Status1"), QString());
        QCOMPARE(store.read("NoSuchSection", "ComPort"), QString());
    }

    void handWrittenValuesKeepTheirMeaning_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("commas") << QByteArray("a,b,c") << "a,b,c";
        QTest::newRow("commas and blanks") << QByteArray("CTS, RTS") << "CTS,RTS";
        QTest::newRow("quoted commas") << QByteArray("\"q, r\"") << "q, r";
        QTest::newRow("comment after the text") << QByteArray("x ;rest") << "x";
        QTest::newRow("typed as nothing") << QByteArray("@Invalid()") << "@Invalid()";
        QTest::newRow("typed as bytes") << QByteArray("@ByteArray(zz)") << "@ByteArray(zz)";
        QTest::newRow("typed as a size") << QByteArray("@Size(1 2)") << "@Size(1 2)";
    }
    void handWrittenValuesKeepTheirMeaning()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        const QByteArray written = "[Settings]\nStatus1=" + line + "\nComPort=3\n";
        writeFile(written);
        QSettingsStore store;
        const QString loaded = store.read("Settings", "Status1");
        QCOMPARE(loaded, text);

        // The exit path writes back the label it loaded: the file stays as
        // the user wrote it, what the reader could not keep included.
        store.write("Settings", "Status1", loaded);
        QCOMPARE(readFile(), written);
        // Another key changes, and the file is written anew: the label still
        // reads the same.
        store.write("Settings", "ComPort", "4");
        QSettingsStore reread;
        QCOMPARE(reread.read("Settings", "Status1"), loaded);
        QCOMPARE(reread.read("Settings", "ComPort"), "4");
    }

    void unwritableStoreIsReportedOnce_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QString>("reason");
        QTest::newRow("its folder is a file") << true << "Quorlin is not a folder";
        QTest::newRow("the file is a folder") << false << "it is a folder";
    }
    void unwritableStoreIsReportedOnce()
    {
        // Neither can be written by anyone, root included.
        QFETCH(bool, folderIsAFile);
        QFETCH(QString, reason);
        const QString folder = QFileInfo(m_file).path();
        const QString blocked = folderIsAFile ? folder : m_file;
        QDir(folder).removeRecursively();
        if (folderIsAFile)
            QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));
        else
            QVERIFY(QDir().mkpath(blocked));

        QSettingsStore store;
        QStringList reports;
        QObject::connect(&store, &SettingsStore::saveFailed,
                         [&](const QString& message) { reports.append(message); });
        store.write("Settings", "Status1", "typed");
        store.write("Settings", "Status2", "typed too");
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].startsWith("The settings could not be saved to ") &&
                     reports[0].contains("Quorlin/Quorlin.conf: ") && reports[0].contains(reason),
                 qPrintable(reports[0]));
        QCOMPARE(store.read("Settings", "Status1"), "typed"); // kept for the next try

        // Once the file can be written, the next write saves what was kept.
        if (folderIsAFile)
            QVERIFY(QFile::remove(blocked));
        else
            QVERIFY(QDir(blocked).removeRecursively());
        store.write("Settings", "ComPort", "2");
        QSettingsStore reread;
        QCOMPARE(reread.read("Settings", "Status1"), "typed");
        QCOMPARE(reread.read("Settings", "Status2"), "typed too");
        QCOMPARE(reread.read("Settings", "ComPort"), "2");
        QCOMPARE(reports.size(), 1);
    }

    void removalIsKeptUntilTheFileCanBeWritten()
    {
        writeFile("[Ports]\nCom3=loop://\n");
        QSettingsStore store;
        QCOMPARE(store.read("Ports", "Com3"), "loop://");
        QStringList reports;
        QObject::connect(&store, &SettingsStore::saveFailed,
                         [&](const QString& message) { reports.append(message); });
        // The file turns into a folder, which no one can write.
        QVERIFY(QFile::remove(m_file));
        QVERIFY(QDir().mkpath(m_file));
        const auto removeFolder = qScopeGuard([this] { QDir(m_file).removeRecursively(); });
        store.remove("Ports", "Com3");
        QCOMPARE(reports.size(), 1);

        // The file is back as it was; the next write takes the key out too.
        QVERIFY(QDir(m_file).removeRecursively());
        writeFile("[Ports]\nCom3=loop://\n");
        store.write("Settings", "ComPort", "3");
        QCOMPARE(QString::fromUtf8(readFile()), "[Settings]\nComPort=3\n");
    }

    void seedingFillsEmptyKeysInOrder()
    {
        FakeSettingsStore store;
        SettingsSchema::seed(store, 1500, -60);
        QCOMPARE(store.writes,
                 QStringList({"Settings/Position-Left=1500", "Settings/Position-Top=-60",
                              "Settings/OnTop=0", "Settings/Status1=Status Pin 1",
                              "Settings/Status2=Status Pin 2", "Settings/Status3=Status Pin 3",
                              "Settings/ComPort=1"}));
    }

    void seedingLeavesValuesAlone_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("afterSeeding");
        QTest::newRow("empty is seeded") << ""
                                         << "Status Pin 2";
        QTest::newRow("blanks are kept") << "  "
                                         << "  ";
        QTest::newRow("text is kept") << "DSR"
                                      << "DSR";
    }
    void seedingLeavesValuesAlone()
    {
        QFETCH(QString, stored);
        QFETCH(QString, afterSeeding);
        FakeSettingsStore store;
        store.write("Settings", "Status2", stored);
        SettingsSchema::seed(store, 0, 0);
        QCOMPARE(SettingsSchema::read(store, Key::Status2), afterSeeding);
        QCOMPARE(store.writes.size(), stored.isEmpty() ? 8 : 7);
    }

    void seedingTheRealStore()
    {
        QSettingsStore store;
        SettingsSchema::seed(store, 300, 450);
        QSettingsStore reread;
        QCOMPARE(SettingsSchema::read(reread, Key::PositionLeft), "300");
        QCOMPARE(SettingsSchema::read(reread, Key::Status3), "Status Pin 3");
        QCOMPARE(reread.read("Settings", "ComPort"), "1");
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
