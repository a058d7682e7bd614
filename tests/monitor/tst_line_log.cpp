// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/ChangeLog.h"
#include "monitor/LineLog.h"
#include "monitor/LogTime.h"
#include "support/LogReader.h"

#include <csignal>
#include <optional>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QString message(const QString& path, const QString& reason)
{
    return QStringLiteral("The log could not be written to %1: %2").arg(path, reason);
}

QString makeFifo(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("lines.fifo"));
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

// What the log has told the user so far, in order; kept as long as the log.
template <class Log> const QStringList& toldBy(Log& log)
{
    auto* told = new QStringList;
    QObject::connect(&log, &Log::failed, [told](const QString& message) { told->append(message); });
    QObject::connect(&log, &QObject::destroyed, [told] { delete told; });
    return *told;
}

// Lets the files of this process grow only to `bytes`: a write beyond that is
// cut short, then fails with EFBIG rather than ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_signal)(int);
};

QString contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

LineHistory::Clock::time_point at(int ms)
{
    return LineHistory::Clock::time_point{} + std::chrono::milliseconds(ms);
}

} // namespace

class TestLineLog : public QObject
{
    Q_OBJECT

private slots:
    void toldOnceUntilALineGetsThrough_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder not there yet") << false << "No such file or directory";
        // Opened without waiting for a reader, which would hold the window.
        QTest::newRow("a FIFO without a reader yet") << true << "No such device or address";
    }
    void toldOnceUntilALineGetsThrough()
    {
        QFETCH(bool, fifo);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path =
            fifo ? makeFifo(folder) : folder.filePath(QStringLiteral("missing/lines.log"));
        QVERIFY(!path.isEmpty());
        LogReader reader(path);
        LineLog log(path);
        const QStringList& told = toldBy(log);

        log.lineChanged(QStringLiteral("CTS"), true, 1);
        log.lineChanged(QStringLiteral("CTS"), false, 1);
        QTRY_COMPARE(told, QStringList{message(path, reason)});

        // Tried afresh at each line: the log goes on once the folder, or a
        // reader, is there, and counts the lines it could not write. The
        // second line may still be on its way when the way opens, and then
        // it is written rather than dropped.
        QVERIFY(fifo ? reader.open() : QDir(folder.path()).mkdir(QStringLiteral("missing")));
        log.lineChanged(QStringLiteral("CTS"), true, 1);
        QTRY_VERIFY(reader.lines().endsWith(QStringLiteral("CTS on 1")));
        const QList<QStringList> accounted{{"2 lines dropped", "CTS on 1"},
                                           {"1 line dropped", "CTS off 1", "CTS on 1"}};
        QVERIFY2(accounted.contains(reader.lines()), qPrintable(reader.lines().join(" | ")));
        // A second failure would have been posted before the line was written.
        QCoreApplication::processEvents();
        QCOMPARE(told.size(), 1);
    }

    void aFullDiskIsToldWithItsReason()
    {
        const QString path = QStringLiteral("/dev/full");
        LineLog log(path);
        const QStringList& told = toldBy(log);
        log.lineChanged(QStringLiteral("CTS"), true, 1);
        QTRY_COMPARE(told, QStringList{message(path, QStringLiteral("No space left on device"))});
    }

    void aReaderThatLeavesIsToldAndSurvived()
    {
        QTemporaryDir folder;
        const QString path = makeFifo(folder);
        QVERIFY(!path.isEmpty());
        LogReader reader(path);
        QVERIFY(reader.open());
        LineLog log(path);
        const QStringList& told = toldBy(log);
        log.lineChanged(QStringLiteral("CTS"), true, 1);
        QTRY_COMPARE(reader.lines(), QStringList{"CTS on 1"});

        // Without SIGPIPE ignored, this test would end here.
        reader.close();
        log.lineChanged(QStringLiteral("CTS"), false, 1);
        QTRY_COMPARE(told, QStringList{message(path, QStringLiteral("Broken pipe"))});
    }

    void aStalledReaderHoldsNothingUp()
    {
        QTemporaryDir folder;
        const QString path = makeFifo(folder);
        QVERIFY(!path.isEmpty());
        LogReader reader(path);
        QVERIFY(reader.open());
        LineLog log(path);
        int sent = 0;
        const auto send = [&log, &sent] {
            ++sent;
            log.lineChanged(QStringLiteral("CTS"), sent % 2 == 1, sent);
        };
        // Far more than the FIFO and the queue hold, while nothing is read.
        while (sent < 10 * int(LogWriter::Capacity))
            send();

        // Read again, the log catches up; a last line, sent until one finds
        // room, ends what comes.
        static const QRegularExpression logLine(QStringLiteral("^CTS o[nf]+ (\\d+)$"));
        const auto caughtUp = [&] {
            const QStringList lines = reader.lines();
            const auto last =
                lines.isEmpty() ? QRegularExpressionMatch() : logLine.match(lines.constLast());
            if (last.hasMatch() && last.captured(1).toInt() == sent)
                return true;
            send();
            return false;
        };
        QTRY_VERIFY(caughtUp());

        // Each gap is counted where it is.
        static const QRegularExpression droppedLine(QStringLiteral("^(\\d+) lines? dropped$"));
        int next = 1;
        int dropped = 0;
        for (const QString& line : reader.lines()) {
            if (const auto gap = droppedLine.match(line); gap.hasMatch()) {
                next += gap.captured(1).toInt();
                dropped += gap.captured(1).toInt();
            } else {
                QCOMPARE(logLine.match(line).captured(1).toInt(), next);
                ++next;
            }
        }
        QCOMPARE(next, sent + 1);
        QVERIFY(dropped > 0);
    }

    void theEndDoesNotWaitForAStalledReader()
    {
        QTemporaryDir folder;
        const QString path = makeFifo(folder);
        QVERIFY(!path.isEmpty());
        LogReader reader(path);
        QVERIFY(reader.open());
        std::optional<LineLog> log(std::in_place, path);
        for (int k = 0; k < 10 * int(LogWriter::Capacity); ++k)
            log->lineChanged(QStringLiteral("CTS"), true, k);
        QTRY_VERIFY(reader.full());

        log.reset();
        QVERIFY(reader.atEnd());
    }

    void aLineCutShortIsFinished()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lines.log"));
        LogReader reader(path);
        LineLog log(path);
        const QStringList& told = toldBy(log);
        log.lineChanged(QStringLiteral("CTS"), true, 1);
        QTRY_COMPARE(reader.lines(), QStringList{"CTS on 1"});
        {
            // Room for the next line's stamp, not for all of it.
            const FileSizeLimit limit(QFileInfo(path).size() + 30);
            log.lineChanged(QStringLiteral("CTS"), false, 2);
            QTRY_COMPARE(told, QStringList{message(path, QStringLiteral("File too large"))});
        }
        log.lineChanged(QStringLiteral("CTS"), true, 3);
        QTRY_COMPARE(reader.lines(), (QStringList{"CTS on 1", "CTS off 2", "CTS on 3"}));
    }

    void aRotatedLogIsOpenedAgain_data()
    {
        QTest::addColumn<QString>("renamedTo");
        QTest::newRow("renamed") << "lines.log.1";
        QTest::newRow("deleted") << "";
    }
    void aRotatedLogIsOpenedAgain()
    {
        QFETCH(QString, renamedTo);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lines.log"));
        LineLog log(path);
        log.lineChanged(QStringLiteral("CTS"), true, 1);
        QTRY_COMPARE(LogReader(path).lines(), QStringList{"CTS on 1"});

        QVERIFY(renamedTo.isEmpty() ? QFile::remove(path)
                                    : QFile::rename(path, folder.filePath(renamedTo)));
        log.lineChanged(QStringLiteral("CTS"), false, 1);
        QTRY_COMPARE(LogReader(path).lines(), QStringList{"CTS off 1"});
        if (!renamedTo.isEmpty())
            QCOMPARE(LogReader(folder.filePath(renamedTo)).lines(), QStringList{"CTS on 1"});
    }

    // A VCD or CSV log begun afresh, after log rotation or once a file that
    // could not be written can be, starts with its header and the states so
    // far: each file is read on its own.
    void aFileBegunAfreshStartsWithTheStatesSoFar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("begun"); // renamed, deleted, folder, fifo, reader left
        // The file after its header, "@<ms>" for the clock time.
        QTest::addColumn<QString>("expected");
        const QString vcdRotated =
            "#100\n$dumpvars\n0!\n1\"\n1#\n0$\n1%\n1&\nb0 '\nb0 (\nb0 )\nb0 *\n$end\n"
            "#250\n0#\nb1 )\n";
        const QString csvRotated = "@1100,CD,off,0\n@1100,DSR,on,0\n@1100,CTS,on,0\n"
                                   "@1100,RI,off,0\n@1100,DTR,on,0\n@1100,RTS,on,0\n"
                                   "@1250,CTS,off,3\n";
        const QString vcdRecovered =
            "#0\n$dumpvars\n0!\n1\"\n0#\n0$\n1%\n1&\nb0 '\nb0 (\nb0 )\nb0 *\n$end\n"
            "$comment 1 lines dropped $end\n#100\n1#\n";
        const QString csvRecovered = "@1000,CD,off,0\n@1000,DSR,on,0\n@1000,CTS,off,0\n"
                                     "@1000,RI,off,0\n@1000,DTR,on,0\n@1000,RTS,on,0\n"
                                     "@1100,,dropped,1\n@1100,CTS,on,1\n";
        const QString vcdReadAgain =
            "#250\n$dumpvars\n0!\n1\"\n0#\n0$\n1%\n1&\nb0 '\nb0 (\nb1 )\nb0 *\n$end\n"
            "$comment 1 lines dropped $end\n#300\n1!\n";
        const QString csvReadAgain = "@1250,CD,off,0\n@1250,DSR,on,0\n@1250,CTS,off,0\n"
                                     "@1250,RI,off,0\n@1250,DTR,on,0\n@1250,RTS,on,0\n"
                                     "@1300,,dropped,1\n@1300,CD,on,1\n";
        for (const char* format : {"vcd", "csv"}) {
            const QString name = QStringLiteral("lines.") + QLatin1String(format);
            const bool vcd = name.endsWith(QLatin1String("vcd"));
            QTest::addRow("%s, renamed", format)
                << name << "renamed" << (vcd ? vcdRotated : csvRotated);
            QTest::addRow("%s, deleted", format)
                << name << "deleted" << (vcd ? vcdRotated : csvRotated);
            QTest::addRow("%s, a folder made later", format)
                << name << "folder" << (vcd ? vcdRecovered : csvRecovered);
            QTest::addRow("%s, a FIFO read later", format)
                << name << "fifo" << (vcd ? vcdRecovered : csvRecovered);
            QTest::addRow("%s, a FIFO whose reader left, read again", format)
                << name << "reader left" << (vcd ? vcdReadAgain : csvReadAgain);
        }
    }
    void aFileBegunAfreshStartsWithTheStatesSoFar()
    {
        QFETCH(QString, name);
        QFETCH(QString, begun);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        const bool fifo = begun == QLatin1String("fifo") || begun == QLatin1String("reader left");
        const QString path = fifo                               ? makeFifo(folder)
                             : begun == QLatin1String("folder") ? folder.filePath("later/" + name)
                                                                : folder.filePath(name);
        QVERIFY(!path.isEmpty());
        constexpr int CD = traceOf(InputLine::CarrierDetect);
        constexpr int CTS = traceOf(InputLine::ClearToSend);
        constexpr auto opened = std::uint8_t(1U << traceOf(InputLine::DataSetReady) |
                                             1U << traceOf(OutputLine::DataTerminalReady) |
                                             1U << traceOf(OutputLine::RequestToSend));
        LineHistory history(at(0));
        const QString header = changeFormatFor(name)->opening(history.clockTime(1000));
        LogReader first(path);
        LogReader second(path);
        LogReader* reader = &first;
        const auto written = [&] {
            return fifo ? QString::fromUtf8(reader->received()) : contentsOf(path);
        };
        ChangeLog log(path, changeFormatFor(name), history);
        const QStringList& told = toldBy(log);

        if (begun == QLatin1String("reader left"))
            QVERIFY(first.open());
        history.portOpened(at(1000), QStringLiteral("Com1"), opened);
        if (begun == QLatin1String("folder") || begun == QLatin1String("fifo")) {
            QTRY_COMPARE(told.size(), 1);
            QVERIFY(fifo ? first.open() : QDir(folder.path()).mkdir(QStringLiteral("later")));
            history.lineChanged(at(1100), CTS, true, 1);
        } else {
            history.lineChanged(at(1100), CTS, true, 1);
            QTRY_VERIFY(written().endsWith(name.endsWith(QLatin1String(".vcd")) ? "#100\n1#\n"
                                                                                : ",CTS,on,1\n"));
            if (fifo)
                first.close();
            else
                QVERIFY(begun == QLatin1String("deleted")
                            ? QFile::remove(path)
                            : QFile::rename(path, folder.filePath(name + QStringLiteral(".1"))));
            history.lineChanged(at(1250), CTS, false, 3);
        }
        if (begun == QLatin1String("reader left")) {
            QTRY_COMPARE(told.size(), 1);
            reader = &second;
            QVERIFY(second.open());
            history.lineChanged(at(1300), CD, true, 1);
        }

        for (const int ms : {1000, 1100, 1250, 1300})
            expected.replace(QStringLiteral("@%1").arg(ms), logTime(history.clockTime(ms)));
        QTRY_COMPARE(written(), header + QLatin1Char('\n') + expected);
    }
};

QTEST_GUILESS_MAIN(TestLineLog)
#include "tst_line_log.moc"
