// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/QtProgramLauncher.h"

#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// Tells when every program started from now on has ended. Each inherits the
// write end of a pipe, and the read end sees end-of-file only once the last
// of them has exited, with whatever it wrote on disk.
class ProgramsEnded
{
public:
    ProgramsEnded()
    {
        if (pipe(m_fds) == 0)
            fcntl(m_fds[0], F_SETFD, FD_CLOEXEC);
    }
    ~ProgramsEnded()
    {
        for (const int fd : m_fds) {
            if (fd >= 0)
                close(fd);
        }
    }
    ProgramsEnded(const ProgramsEnded&) = delete;
    ProgramsEnded& operator=(const ProgramsEnded&) = delete;

    bool isValid() const { return m_fds[0] >= 0; }

    // True once they have all ended, false if any still runs after `ms`.
    bool wait(int ms)
    {
        close(m_fds[1]);
        m_fds[1] = -1;
        pollfd reader{m_fds[0], POLLIN, 0};
        char byte;
        return poll(&reader, 1, ms) == 1 && read(m_fds[0], &byte, 1) == 0;
    }

private:
    int m_fds[2] = {-1, -1};
};

} // namespace

// Real files in a temporary folder whose name has a blank in it.
class tst_QtProgramLauncher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void isOrdinaryFile_data();
    void isOrdinaryFile();
    void start_data();
    void start();

private:
    QString path(const QString& name) const;
    // A program that leaves "<its path>.ran" behind when it runs.
    void writeFile(const QString& name, bool executable);

    std::unique_ptr<QTemporaryDir> m_root; // a fresh one for every row
};

QString tst_QtProgramLauncher::path(const QString& name) const
{
    return name.isEmpty() ? QString() : m_root->filePath(name);
}

void tst_QtProgramLauncher::writeFile(const QString& name, bool executable)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch \"$0.ran\"\n");
    file.close();
    if (executable)
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

void tst_QtProgramLauncher::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir(m_root->path()).mkpath(QStringLiteral("tools folder")));
    writeFile(QStringLiteral("tools folder/info"), true);
    // What a launcher that split the path at its blank would run instead.
    writeFile(QStringLiteral("tools"), true);
    writeFile(QStringLiteral("tools folder/info tool"), true);
    writeFile(QStringLiteral("tools folder/notes.txt"), false);
    writeFile(QStringLiteral("tools folder/.hidden"), true);
}

void tst_QtProgramLauncher::isOrdinaryFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ordinary");

    QTest::newRow("program with a blank in its path") << "tools folder/info tool" << true;
    QTest::newRow("file that is no program") << "tools folder/notes.txt" << true;
    QTest::newRow("hidden file") << "tools folder/.hidden" << false;
    QTest::newRow("folder") << "tools folder" << false;
    QTest::newRow("missing") << "tools folder/absent" << false;
    QTest::newRow("empty path") << "" << false;
}

void tst_QtProgramLauncher::isOrdinaryFile()
{
    QFETCH(QString, name);
    QFETCH(bool, ordinary);

    QCOMPARE(QtProgramLauncher().isOrdinaryFile(path(name)), ordinary);
}

void tst_QtProgramLauncher::start_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("starts");

    QTest::newRow("blank in the path: the whole path is the program")
        << "tools folder/info tool" << true;
    QTest::newRow("plain path") << "tools folder/info" << true;
    QTest::newRow("missing") << "tools folder/absent" << false;
    QTest::newRow("not executable") << "tools folder/notes.txt" << false;
    QTest::newRow("folder") << "tools folder" << false;
    QTest::newRow("empty path") << "" << false;
}

void tst_QtProgramLauncher::start()
{
    QFETCH(QString, name);
    QFETCH(bool, starts);

    ProgramsEnded ended;
    QVERIFY(ended.isValid());
    QCOMPARE(QtProgramLauncher().start(path(name)), starts);
    QVERIFY(ended.wait(10000));
    if (!name.isEmpty())
        QCOMPARE(QFile::exists(path(name) + QStringLiteral(".ran")), starts);
    QVERIFY(!QFile::exists(path(QStringLiteral("tools.ran"))));
}

QTEST_GUILESS_MAIN(tst_QtProgramLauncher)
#include "tst_qt_program_launcher.moc"
