// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "about/SysInfoLauncher.h"
#include "support/FakeMessageBox.h"
#include "support/FakeProgramLauncher.h"
#include "support/FakeRegistry.h"

#include <QtEndian>
#include <QTest>

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

const QString Tool = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\"
                                    "msinfo32.exe");
const QString Folder = QStringLiteral("C:\\Windows\\System32");
const QString ToolInFolder = Folder + QStringLiteral("\\MSINFO32.EXE");

// One registry entry as a row sets it up.
struct Entry
{
    enum Kind
    {
        NoKey,
        KeyWithoutValue,
        Present
    } kind = NoKey;
    FakeRegistry::Value value;
};

Entry none()
{
    return {};
}
Entry keyOnly()
{
    return {Entry::KeyWithoutValue, {}};
}
Entry text(const QString& s)
{
    return {Entry::Present, FakeRegistry::text(s)};
}
Entry raw(quint32 type, const QByteArray& data)
{
    return {Entry::Present, {type, data}};
}
Entry dword(quint32 n)
{
    QByteArray data(4, '\0');
    qToLittleEndian(n, data.data());
    return raw(Registry::RegDword, data);
}

void put(FakeRegistry& registry, const QString& key, const QString& name, const Entry& entry)
{
    if (entry.kind != Entry::NoKey)
        registry.keys[key];
    if (entry.kind == Entry::Present)
        registry.set(key, name, entry.value);
}

// A path of `length` characters ending in ".exe".
QString longPath(int length)
{
    return QStringLiteral("C:\\") + QString(length - 7, 'a') + QStringLiteral(".exe");
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class tst_SysInfoLauncher : public QObject
{
    Q_OBJECT

private slots:
    void StartSysInfo_data();
    void StartSysInfo();
    void GetKeyValue_data();
    void GetKeyValue();
    void emptyValueIsRaisedWithTheKeyClosed();
};

void tst_SysInfoLauncher::StartSysInfo_data()
{
    QTest::addColumn<Entry>("tool");
    QTest::addColumn<Entry>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("keysOpened");
    QTest::addColumn<QStringList>("attempts");
    QTest::addColumn<bool>("message");

    const QStringList both{ToolKey, FolderKey};
    const QStringList first{ToolKey};
    const QStringList installed{Tool, ToolInFolder};

    QTest::newRow("both entries: the recorded tool, second entry unread")
        << text(Tool) << text(Folder) << QStringList{ToolInFolder} << installed << first
        << QStringList{Tool} << false;
    QTest::newRow("only the folder, holding the tool")
        << none() << text(Folder) << QStringList{ToolInFolder} << installed << both
        << QStringList{ToolInFolder} << false;
    QTest::newRow("only the folder, without the tool")
        << none() << text(Folder) << QStringList{} << installed << both << QStringList{} << true;
    QTest::newRow("first key without its value: the folder")
        << keyOnly() << text(Folder) << QStringList{ToolInFolder} << installed << both
        << QStringList{ToolInFolder} << false;
    QTest::newRow("neither entry") << none() << none() << QStringList{ToolInFolder} << installed
                                   << both << QStringList{} << true;
    QTest::newRow("recorded tool cannot start: no second lookup")
        << text(QStringLiteral("C:\\gone\\msinfo32.exe")) << text(Folder)
        << QStringList{ToolInFolder} << installed << first
        << QStringList{QStringLiteral("C:\\gone\\msinfo32.exe")} << true;

    const QString fits = longPath(1023); // 1024 bytes with the terminating zero
    QTest::newRow("1024 bytes with the zero still fit")
        << text(fits) << text(Folder) << QStringList{ToolInFolder}
        << QStringList{fits, ToolInFolder} << first << QStringList{fits} << false;
    const QString tooLong = longPath(1024);
    QTest::newRow("1025 bytes do not fit: second lookup")
        << text(tooLong) << text(Folder) << QStringList{ToolInFolder}
        << QStringList{tooLong, ToolInFolder} << both << QStringList{ToolInFolder} << false;
    const QString whole = longPath(1024);
    QTest::newRow("1024 bytes without a zero fit whole")
        << raw(Registry::RegSz, whole.toLatin1()) << text(Folder) << QStringList{}
        << QStringList{whole} << first << QStringList{whole} << false;
    QTest::newRow("no terminating zero: every byte is the path")
        << raw(Registry::RegSz, "C:\\tools\\info.exe") << none() << QStringList{}
        << QStringList{QStringLiteral("C:\\tools\\info.exe")} << first
        << QStringList{QStringLiteral("C:\\tools\\info.exe")} << false;
    QTest::newRow("zero-length value: message at once")
        << raw(Registry::RegSz, {}) << text(Folder) << QStringList{ToolInFolder} << installed
        << first << QStringList{} << true;
    QTest::newRow("zero-length folder value")
        << none() << raw(Registry::RegSz, {}) << QStringList{ToolInFolder} << installed << both
        << QStringList{} << true;
    QTest::newRow("other type: found, empty path, cannot start")
        << raw(3, FakeRegistry::text(Tool).data) << text(Folder) << QStringList{ToolInFolder}
        << installed << first << QStringList{QString()} << true;
    QTest::newRow("number: its decimal text")
        << dword(0x12345678) << text(Folder) << QStringList{ToolInFolder} << installed << first
        << QStringList{QStringLiteral("305419896")} << true;
    QTest::newRow("number with a zero last byte")
        << dword(0x00000100) << none() << QStringList{} << installed << first
        << QStringList{QStringLiteral("256")} << true;
    QTest::newRow("number with a zero first byte")
        << dword(0x01000000) << none() << QStringList{} << installed << first
        << QStringList{QStringLiteral("16777216")} << true;

    const QString accented = QStringLiteral("C:\\Programme\\Systeminformationen für Ärzte.exe");
    QTest::newRow("8-bit text") << text(accented) << none() << QStringList{}
                                << QStringList{accented} << first << QStringList{accented} << false;

    const QString doubled = Folder + QStringLiteral("\\\\MSINFO32.EXE");
    QTest::newRow("folder ending in a backslash: doubled backslash")
        << none() << text(Folder + '\\') << QStringList{doubled} << QStringList{doubled} << both
        << QStringList{doubled} << false;
}

void tst_SysInfoLauncher::StartSysInfo()
{
    QFETCH(Entry, tool);
    QFETCH(Entry, folder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, keysOpened);
    QFETCH(QStringList, attempts);
    QFETCH(bool, message);

    FakeRegistry registry;
    put(registry, ToolKey, QStringLiteral("PATH"), tool);
    put(registry, FolderKey, QStringLiteral("MSINFO"), folder);
    FakeProgramLauncher programs;
    programs.files = QSet<QString>(files.begin(), files.end());
    programs.startable = QSet<QString>(startable.begin(), startable.end());
    FakeMessageBox messages;

    SysInfoLauncher(registry, programs, messages, nullptr).StartSysInfo();

    QCOMPARE(registry.opened, keysOpened);
    QCOMPARE(programs.attempts, attempts);
    QCOMPARE(messages.texts, message ? QStringList{Unavailable} : QStringList{});
    QVERIFY(!registry.anyKeyOpen());
    // Read-only access, no options: an ordinary account may open the keys.
    for (const quint32 access : registry.accessMasks)
        QCOMPARE(access, 0x20019u);
    for (const quint32 options : registry.optionsAsked)
        QCOMPARE(options, 0u);
}

void tst_SysInfoLauncher::GetKeyValue_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("keyVal");

    QTest::newRow("no key") << none() << false << QString();
    QTest::newRow("no value") << keyOnly() << false << QString();
    QTest::newRow("text") << text(QStringLiteral("C:\\x.exe")) << true
                          << QStringLiteral("C:\\x.exe");
    QTest::newRow("text longer than the buffer") << text(longPath(1024)) << false << QString();
    QTest::newRow("other type keeps the caller's text")
        << raw(7, QByteArray("a\0b\0\0", 5)) << true << QStringLiteral("before");
    QTest::newRow("number") << dword(4294967295u) << true << QStringLiteral("4294967295");
    QTest::newRow("short number") << raw(Registry::RegDword, "\x02\x01") << true
                                  << QStringLiteral("258");
}

void tst_SysInfoLauncher::GetKeyValue()
{
    QFETCH(Entry, entry);
    QFETCH(bool, result);
    QFETCH(QString, keyVal);

    FakeRegistry registry;
    put(registry, ToolKey, QStringLiteral("PATH"), entry);
    QString value = QStringLiteral("before");

    FakeProgramLauncher programs;
    FakeMessageBox messages;
    SysInfoLauncher launcher(registry, programs, messages, nullptr);
    QCOMPARE(launcher.GetKeyValue(Registry::LocalMachine, ToolKey, QStringLiteral("PATH"), value),
             result);
    QCOMPARE(value, keyVal);
    QVERIFY(!registry.anyKeyOpen());
}

void tst_SysInfoLauncher::emptyValueIsRaisedWithTheKeyClosed()
{
    FakeRegistry registry;
    put(registry, ToolKey, QStringLiteral("PATH"), raw(Registry::RegSz, {}));
    QString value;

    FakeProgramLauncher programs;
    FakeMessageBox messages;
    SysInfoLauncher launcher(registry, programs, messages, nullptr);
    QVERIFY_THROWS_EXCEPTION(
        SysInfoLauncher::EmptyValue,
        launcher.GetKeyValue(Registry::LocalMachine, ToolKey, QStringLiteral("PATH"), value));
    QVERIFY(!registry.anyKeyOpen());
}

QTEST_GUILESS_MAIN(tst_SysInfoLauncher)
#include "tst_sysinfo_launcher.moc"
