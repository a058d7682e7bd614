// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "about/SysInfoLauncher.h"
#include "platform/SystemRegistry.h"
#include "support/FakeMessageBox.h"
#include "support/FakeProgramLauncher.h"

#include <array>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
} // namespace

// The stand-in registry against a search path of fake tools in a temporary
// folder; PATH is set for this process only.
class tst_SystemRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void toolPath_data();
    void toolPath();
    void onlyTheToolKeyExists_data();
    void onlyTheToolKeyExists();
    void valueLongerThanTheBuffer();
    void launcherStartsTheFoundTool();

private:
    void install(const QString& tool, bool executable = true);
    // Reads the tool key's PATH value; the status, and the text on success.
    Registry::Status readToolPath(SystemRegistry& registry, QByteArray& text);

    QTemporaryDir m_bin;
    QByteArray m_savedPath;
};

void tst_SystemRegistry::init()
{
    QVERIFY(m_bin.isValid());
    m_savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_bin.path()));
}

void tst_SystemRegistry::cleanup()
{
    qputenv("PATH", m_savedPath);
    for (const QString& tool : SystemRegistry::InfoTools)
        QFile::remove(m_bin.filePath(tool));
}

void tst_SystemRegistry::install(const QString& tool, bool executable)
{
    QFile file(m_bin.filePath(tool));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    if (executable)
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

Registry::Status tst_SystemRegistry::readToolPath(SystemRegistry& registry, QByteArray& text)
{
    Registry::Key key = 0;
    const Registry::Status opened =
        registry.openKey(Registry::LocalMachine, ToolKey, 0, Registry::KeyRead, key);
    if (opened != Registry::Success)
        return opened;
    std::array<char, 1024> data{};
    quint32 type = 0;
    quint32 byteCount = 0;
    const Registry::Status status =
        registry.queryValue(key, QStringLiteral("PATH"), type, data, byteCount);
    registry.closeKey(key);
    if (status == Registry::Success) {
        text = QByteArray(data.data(), byteCount);
        if (type != Registry::RegSz)
            return -1;
    }
    return status;
}

void tst_SystemRegistry::toolPath_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("notExecutable");
    QTest::addColumn<QString>("found");

    QTest::newRow("the first tool of the list")
        << QStringList{"kinfocenter"} << QStringList{} << "kinfocenter";
    QTest::newRow("preference order")
        << QStringList{"hardinfo", "hardinfo2"} << QStringList{} << "hardinfo2";
    QTest::newRow("the last tool of the list") << QStringList{"i-nex"} << QStringList{} << "i-nex";
    QTest::newRow("a file that is no program is skipped")
        << QStringList{"cpu-x"} << QStringList{"kinfocenter"} << "cpu-x";
    QTest::newRow("none installed") << QStringList{} << QStringList{"kinfocenter"} << "";
}

void tst_SystemRegistry::toolPath()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, notExecutable);
    QFETCH(QString, found);
    for (const QString& tool : installed)
        install(tool);
    for (const QString& tool : notExecutable)
        install(tool, false);

    SystemRegistry registry;
    QByteArray text;
    const Registry::Status status = readToolPath(registry, text);
    if (found.isEmpty()) {
        QCOMPARE(status, Registry::FileNotFound);
    } else {
        QCOMPARE(status, Registry::Success);
        // The full path, stored with its terminating zero.
        QCOMPARE(text, QFile::encodeName(m_bin.filePath(found)).append('\0'));
    }
}

void tst_SystemRegistry::onlyTheToolKeyExists_data()
{
    QTest::addColumn<Registry::Key>("root");
    QTest::addColumn<QString>("key");
    QTest::addColumn<Registry::Status>("status");

    QTest::newRow("tool key") << Registry::LocalMachine << ToolKey << Registry::Success;
    QTest::newRow("key names ignore case")
        << Registry::LocalMachine << ToolKey.toLower() << Registry::Success;
    QTest::newRow("folder key") << Registry::LocalMachine << FolderKey << Registry::FileNotFound;
    QTest::newRow("another root") << Registry::Key(static_cast<qint32>(0x80000001u)) << ToolKey
                                  << Registry::FileNotFound;
}

void tst_SystemRegistry::onlyTheToolKeyExists()
{
    QFETCH(Registry::Key, root);
    QFETCH(QString, key);
    QFETCH(Registry::Status, status);
    install(QStringLiteral("kinfocenter"));

    SystemRegistry registry;
    Registry::Key opened = 0;
    QCOMPARE(registry.openKey(root, key, 0, Registry::KeyRead, opened), status);
    if (status != Registry::Success)
        return;
    std::array<char, 64> data{};
    quint32 type = 0;
    quint32 byteCount = 0;
    // The tool key holds no other value.
    QCOMPARE(registry.queryValue(opened, QStringLiteral("MSINFO"), type, data, byteCount),
             Registry::FileNotFound);
    QCOMPARE(registry.closeKey(opened), Registry::Success);
}

void tst_SystemRegistry::valueLongerThanTheBuffer()
{
    install(QStringLiteral("kinfocenter"));
    const QByteArray expected = QFile::encodeName(m_bin.filePath("kinfocenter")).append('\0');

    SystemRegistry registry;
    Registry::Key key = 0;
    QCOMPARE(registry.openKey(Registry::LocalMachine, ToolKey, 0, Registry::KeyRead, key),
             Registry::Success);
    std::array<char, 8> data{};
    quint32 type = 0;
    quint32 byteCount = 0;
    QCOMPARE(registry.queryValue(key, QStringLiteral("PATH"), type, data, byteCount),
             Registry::MoreData);
    QCOMPARE(byteCount, quint32(expected.size()));
    QCOMPARE(data, (std::array<char, 8>{}));
    registry.closeKey(key);
}

void tst_SystemRegistry::launcherStartsTheFoundTool()
{
    install(QStringLiteral("hardinfo2"));
    const QString tool = m_bin.filePath(QStringLiteral("hardinfo2"));

    SystemRegistry registry;
    FakeProgramLauncher programs;
    programs.startable.insert(tool);
    FakeMessageBox messages;
    SysInfoLauncher(registry, programs, messages, nullptr).StartSysInfo();

    QCOMPARE(programs.started, QStringList{tool});
    QVERIFY(messages.texts.isEmpty());
}

QTEST_GUILESS_MAIN(tst_SystemRegistry)
#include "tst_system_registry.moc"
