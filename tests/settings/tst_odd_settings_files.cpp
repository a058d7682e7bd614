// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/QSettingsStore.h"
#include "settings/SettingsSchema.h"
#include "support/TestSettingsFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using SettingsSchema::Key;

// Settings files that are no settings files: the store must not wait on them,
// write to them or replace them, and goes on with the defaults.
class TestOddSettingsFiles : public QObject
{
    Q_OBJECT

    QString m_file;
    QTemporaryDir m_elsewhere; // where the nodes that the file links to are made
    int m_socket = -1;

    // A device node: one made here where we may (root), else the system's
    // /dev/null, which nothing here could harm.
    QString deviceNode() const
    {
        const QString node = m_elsewhere.filePath("null");
        if (::geteuid() == 0 &&
            ::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
            return node;
        return QStringLiteral("/dev/null");
    }

    void makeSocket()
    {
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(m_socket >= 0);
        // Bound by its name in the folder: a socket's whole path may be no
        // longer than some hundred bytes, and a build folder's can be.
        const QString workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QFileInfo(m_file).path()));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(QFileInfo(m_file).fileName());
        std::copy(name.begin(), name.end(), address.sun_path);
        const int bound =
            ::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        QVERIFY(QDir::setCurrent(workingFolder));
        QCOMPARE(bound, 0);
    }

    // What a path is, to the byte: its kind, where it links to, its content.
    static QString describe(const QString& path)
    {
        struct stat node = {};
        if (::lstat(QFile::encodeName(path).constData(), &node) != 0)
            return QStringLiteral("nothing");
        QString described = QString::number(node.st_mode & S_IFMT, 8);
        if (S_ISLNK(node.st_mode)) {
            const QString target = QFileInfo(path).symLinkTarget();
            described += " -> " + target + ' ' + describe(target);
        } else if (S_ISREG(node.st_mode)) {
            described += ' ' + QCryptographicHash::hash(TestSettingsFile::read(path),
                                                        QCryptographicHash::Sha1)
                                   .toHex();
        }
        return described;
    }
    // The settings folder, each entry described: a write would leave a lock
    // file, a replacement a regular file.
    QStringList folderAsItIs() const
    {
        const QDir folder = QFileInfo(m_file).dir();
        QStringList entries;
        for (const QString& name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                    QDir::NoDotAndDotDot))
            entries.append(name + ": " + describe(folder.filePath(name)));
        return entries;
    }

private slots:
    void initTestCase()
    {
        m_file = TestSettingsFile::path();
        QVERIFY2(!m_file.isEmpty(), "refusing to run against the real settings folder");
        QVERIFY(m_elsewhere.isValid());
    }
    void init()
    {
        QDir(QFileInfo(m_file).path()).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(m_file).path()));
    }
    void cleanup()
    {
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = -1;
        QFile::remove(m_elsewhere.filePath("null"));
    }

    void leftAloneAndToldOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("symbolic link to a device") << "device"
                                                   << "it is not a regular file";
        QTest::newRow("pipe without a writer") << "pipe"
                                               << "it is not a regular file";
        QTest::newRow("socket") << "socket"
                                << "it is not a regular file";
        QTest::newRow("symbolic link to a folder") << "folder"
                                                   << "it is a folder";
        QTest::newRow("binary") << "binary"
                                << "it is not UTF-8 text";
        QTest::newRow("Latin-1 text") << "latin-1"
                                      << "it is not UTF-8 text";
        QTest::newRow("text over 1 MiB") << "large"
                                         << "it is larger than 1 MiB";
    }
    void leftAloneAndToldOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind == "device") {
            QVERIFY(QFile::link(deviceNode(), m_file));
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(m_file).constData(), 0600), 0);
        } else if (kind == "socket") {
            makeSocket();
            if (QTest::currentTestFailed())
                return;
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(m_elsewhere.filePath("folder")));
            QVERIFY(QFile::link(m_elsewhere.filePath("folder"), m_file));
        } else if (kind == "binary") {
            QByteArray junk;
            for (int i = 0; i < 4096; ++i)
                junk.append(char((i * 7919) % 251));
            TestSettingsFile::write(m_file, junk);
        } else if (kind == "latin-1") {
            TestSettingsFile::write(m_file, "[Settings]\nStatus1=caf\xe9\n");
        } else if (kind == "large") {
            TestSettingsFile::write(m_file, "[Settings]\n" + QByteArray(1024 * 1024, ';'));
        }
        const QStringList before = folderAsItIs();

        QSettingsStore store;
        QStringList reports;
        QObject::connect(&store, &SettingsStore::saveFailed,
                         [&](const QString& message) { reports.append(message); });
        SettingsSchema::seed(store, 300, 450);
        SettingsSchema::write(store, Key::Status1, "typed");
        store.remove("Ports", "Com3");

        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].startsWith("The settings could not be saved to ") &&
                     reports[0].endsWith("Quorlin/Quorlin.conf: " + reason),
                 qPrintable(reports[0]));
        // The run goes on with the defaults, and what it wrote, in memory.
        QCOMPARE(SettingsSchema::read(store, Key::Status1), "typed");
        QCOMPARE(SettingsSchema::read(store, Key::Status2), "Status Pin 2");
        QCOMPARE(SettingsSchema::read(store, Key::PositionLeft), "300");
        QCOMPARE(folderAsItIs(), before); // the device still a device, the link a link
    }
};

QTEST_GUILESS_MAIN(TestOddSettingsFiles)
#include "tst_odd_settings_files.moc"
