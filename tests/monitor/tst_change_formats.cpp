// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/ChangeFormat.h"
#include "monitor/LogTime.h"

#include <QTest>

namespace {

using Clock = LineHistory::Clock;

constexpr int CD = traceOf(InputLine::CarrierDetect);
constexpr int DSR = traceOf(InputLine::DataSetReady);
constexpr int CTS = traceOf(InputLine::ClearToSend);
constexpr int DTR = traceOf(OutputLine::DataTerminalReady);
constexpr int RTS = traceOf(OutputLine::RequestToSend);

Clock::time_point at(int ms)
{
    return Clock::time_point{} + std::chrono::milliseconds(ms);
}

std::uint8_t bits(std::initializer_list<int> on)
{
    unsigned states = 0;
    for (const int trace : on)
        states |= 1U << trace;
    return std::uint8_t(states);
}

// A port opened with DSR, DTR and RTS on; CTS on, then off with a pulse on
// the way; RTS switched off; the port closed, and another one opened.
void drive(LineHistory& history, const QString& port)
{
    history.portOpened(at(1000), port, bits({DSR, DTR, RTS}));
    history.lineChanged(at(1100), CTS, true, 1);
    history.lineChanged(at(1250), CTS, false, 3);
    history.lineChanged(at(1250), CD, true, 1);
    history.lineChanged(at(1300), RTS, false, 1);
    history.portClosed(at(1400));
    history.portOpened(at(1500), QStringLiteral("Com2"), bits({CD, DTR}));
}

QString written(const QString& fileName, const LineHistory& history)
{
    const auto format = changeFormatFor(fileName);
    QStringList lines{format->opening(history.clockTime(history.changes().front().ms))};
    for (const LineHistory::Change& change : history.changes())
        lines << format->change(history, change);
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestChangeFormats : public QObject
{
    Q_OBJECT

private slots:
    void formatChosenByTheName_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("header");
        QTest::newRow("vcd") << "x.vcd"
                             << "$date";
        QTest::newRow("VCD") << "/tmp/X.VCD"
                             << "$date";
        QTest::newRow("csv") << "lines.csv"
                             << "time,line,state,edges";
        QTest::newRow("text") << "lines.log"
                              << "";
        QTest::newRow("a folder named .vcd") << "x.vcd/lines"
                                             << "";
    }
    void formatChosenByTheName()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, header);
        const auto format = changeFormatFor(fileName);
        QCOMPARE(format
                     ? format->opening(QDateTime::currentDateTime()).section(QLatin1Char(' '), 0, 0)
                     : QString(),
                 header);
    }

    void vcd()
    {
        LineHistory history(at(0));
        drive(history, QStringLiteral("Com1 /dev/pts/3"));
        const QString text = written(QStringLiteral("x.vcd"), history);
        const QString declarations = text.section(QStringLiteral("$version"), 1)
                                         .section(QStringLiteral("$enddefinitions"), 0, 0);
        QCOMPARE(declarations, QStringLiteral(" Quorlin $end\n$timescale 1 ms $end\n"
                                              "$scope module quorlin $end\n"
                                              "$var wire 1 ! CD $end\n$var wire 1 \" DSR $end\n"
                                              "$var wire 1 # CTS $end\n$var wire 1 $ RI $end\n"
                                              "$var wire 1 % DTR $end\n$var wire 1 & RTS $end\n"
                                              "$var integer 32 ' CD_pulses $end\n"
                                              "$var integer 32 ( DSR_pulses $end\n"
                                              "$var integer 32 ) CTS_pulses $end\n"
                                              "$var integer 32 * RI_pulses $end\n"
                                              "$upscope $end\n"));
        const QString changes = text.section(QStringLiteral("$enddefinitions $end\n"), 1);
        QCOMPARE(changes, QStringLiteral("#0\n$dumpvars\n0!\n1\"\n0#\n0$\n1%\n1&\n"
                                         "b0 '\nb0 (\nb0 )\nb0 *\n$end\n"
                                         "#100\n1#\n"
                                         "#250\n0#\nb1 )\n1!\n"
                                         "#300\n0&\n"
                                         "#400\n"
                                         "#500\n0\"\nb0 '\nb0 (\nb0 )\nb0 *"));
    }

    // After the oldest changes were dropped the file starts with the states
    // of the first change kept.
    void vcdStartsWithTheFirstChangeKept()
    {
        LineHistory history(at(0));
        history.portOpened(at(0), QStringLiteral("Com1"), bits({DTR, RTS}));
        history.lineChanged(at(7), CTS, true, 5);
        const auto format = changeFormatFor(QStringLiteral("x.vcd"));
        QCOMPARE(format->change(history, history.changes().back()),
                 QStringLiteral("#0\n$dumpvars\n0!\n0\"\n1#\n0$\n1%\n1&\n"
                                "b0 '\nb0 (\nb10 )\nb0 *\n$end"));
    }

    // A file begun after some of the changes, as after log rotation, starts
    // with the header of the whole run and the states those changes left.
    void aFileBegunLaterStartsWithTheStatesSoFar_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("given");
        QTest::addColumn<QString>("states"); // "@" for the time of the last change
        QTest::newRow("vcd, before any change") << "x.vcd" << 0 << "";
        QTest::newRow("vcd, after a pulse")
            << "x.vcd" << 3
            << "#250\n$dumpvars\n0!\n1\"\n0#\n0$\n1%\n1&\nb0 '\nb0 (\nb1 )\nb0 *\n$end";
        QTest::newRow("vcd, the port closed")
            << "x.vcd" << 6
            << "#400\n$dumpvars\n1!\n1\"\n0#\n0$\n1%\n0&\nb0 '\nb0 (\nb1 )\nb0 *\n$end";
        QTest::newRow("csv, before any change") << "x.csv" << 0 << "";
        QTest::newRow("csv, after a pulse")
            << "x.csv" << 3
            << "@,CD,off,0\n@,DSR,on,0\n@,CTS,off,0\n@,RI,off,0\n@,DTR,on,0\n@,RTS,on,0";
        QTest::newRow("csv, the port closed") << "x.csv" << 6 << "";
    }
    void aFileBegunLaterStartsWithTheStatesSoFar()
    {
        QFETCH(QString, fileName);
        QFETCH(int, given);
        QFETCH(QString, states);
        LineHistory history(at(0));
        drive(history, QStringLiteral("Com1"));
        const auto& changes = history.changes();
        const QDateTime first = history.clockTime(changes.front().ms);
        const auto format = changeFormatFor(fileName);
        for (int k = 0; k < given; ++k)
            format->change(history, changes[std::size_t(k)]);
        const QString last =
            given > 0 ? logTime(history.clockTime(changes[given - 1].ms)) : QString();
        const QString header = changeFormatFor(fileName)->opening(first);
        QCOMPARE(format->opening(history.clockTime(changes[std::size_t(given)].ms)),
                 states.isEmpty()
                     ? header
                     : header + QLatin1Char('\n') + states.replace(QLatin1Char('@'), last));
    }

    void csv()
    {
        LineHistory history(at(0));
        drive(history, QStringLiteral("Com1 \"a, b\""));
        const QString time = logTime(history.clockTime(0)).section(QLatin1Char('T'), 0, 0);
        QStringList rows = written(QStringLiteral("x.csv"), history).split(QLatin1Char('\n'));
        for (QString& row : rows) {
            // The clock times are the history's: checked as milliseconds.
            if (row.startsWith(time))
                row = QString::number(
                          QDateTime::fromString(row.section(QLatin1Char(','), 0, 0),
                                                QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"))
                              .toMSecsSinceEpoch() -
                          history.clockTime(0).toMSecsSinceEpoch()) +
                      QLatin1Char(',') + row.section(QLatin1Char(','), 1);
        }
        const QStringList opening{"1000,CD,off,0", "1000,DSR,on,0", "1000,CTS,off,0",
                                  "1000,RI,off,0", "1000,DTR,on,0", "1000,RTS,on,0"};
        QStringList expected{"time,line,state,edges", "1000,\"Com1 \"\"a, b\"\"\",opened,"};
        expected << opening
                 << QStringList{"1100,CTS,on,1",
                                "1250,CTS,off,3",
                                "1250,CD,on,1",
                                "1300,RTS,off,1",
                                "1400,\"Com1 \"\"a, b\"\"\",closed,",
                                "1500,Com2,opened,",
                                "1500,CD,on,0",
                                "1500,DSR,off,0",
                                "1500,CTS,off,0",
                                "1500,RI,off,0",
                                "1500,DTR,on,0",
                                "1500,RTS,off,0"};
        QCOMPARE(rows, expected);
    }
};

QTEST_GUILESS_MAIN(TestChangeFormats)
#include "tst_change_formats.moc"
