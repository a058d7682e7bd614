#include "settings/QSettingsStore.h"
#include "settings/SettingsSchema.h"
#include "support/FakeSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using SettingsSchema::Key;

class TestSettingsStore : public QObject
{
    Q_OBJECT

    QString m_file;

private slots:
    void initTestCase()
    {
        // CTest points XDG_CONFIG_HOME at a folder of this test's own.
        const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY2(!home.isEmpty() && !home.startsWith(QDir::homePath() + "/.config"),
                 "refusing to run against the real settings folder");
        m_file = home + "/Quorlin/Quorlin.conf";
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
        QTest::newRow("long") << QString(20000, 'x');
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

    void handWrittenFileIsRead()
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nStatus1=CTS, RTS\nComPort=3\n[Ports]\nCom1=loop://\n");
        file.close();
        QSettingsStore store;
        QCOMPARE(store.read("Settings", "Status1"), "CTS, RTS");
        QCOMPARE(store.read("Settings", "ComPort"), "3");
        QCOMPARE(store.read("Ports", "Com1"), "loop://");
    }

    void unwritableStoreDoesNotCrash()
    {
        // A file where the store's folder should be: no one, root included,
        // can create the store there.
        QDir(QFileInfo(m_file).path()).removeRecursively();
        QFile blocker(QFileInfo(m_file).path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        QSettingsStore().write("Settings", "ComPort", "5");
        QCOMPARE(QSettingsStore().read("Settings", "ComPort"), QString());
        QVERIFY(blocker.remove());
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
