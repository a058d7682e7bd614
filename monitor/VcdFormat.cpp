// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/VcdFormat.h"

#include <QStringList>

namespace {

// The identifier codes: the wires first, then the pulse counts.
QChar wireCode(int trace)
{
    return QLatin1Char(char('!' + trace));
}
QChar pulsesCode(int input)
{
    return QLatin1Char(char('!' + TraceCount + input));
}

QString wire(int trace, bool on)
{
    return (on ? QLatin1Char('1') : QLatin1Char('0')) + QString(wireCode(trace));
}
QString pulses(int input, int count)
{
    return QStringLiteral("b%1 %2").arg(QString::number(count, 2), pulsesCode(input));
}

// A comment, which the standard allows among the changes, though some
// readers stop there: lines are dropped only when the file takes none.
QString dropped(const QDateTime&, int count)
{
    return QStringLiteral("$comment %1 lines dropped $end").arg(count);
}

constexpr LogWriter::Framing Framing{LogWriter::unstamped, dropped, true};

} // namespace

QString VcdFormat::opening(const QDateTime& next) const
{
    if (!m_start)
        return header(next);
    return QStringList{m_header, timeOf(*m_written), dumpAll()}.join(QLatin1Char('\n'));
}

QString VcdFormat::header(const QDateTime& start)
{
    QStringList lines{QStringLiteral("$date %1 $end").arg(start.toString(Qt::ISODate)),
                      QStringLiteral("$version Quorlin $end"),
                      QStringLiteral("$timescale 1 ms $end"),
                      QStringLiteral("$scope module quorlin $end")};
    for (int trace = 0; trace < TraceCount; ++trace)
        lines << QStringLiteral("$var wire 1 %1 %2 $end").arg(wireCode(trace), traceName(trace));
    for (int input = 0; input < InputTraceCount; ++input)
        lines << QStringLiteral("$var integer 32 %1 %2_pulses $end")
                     .arg(pulsesCode(input), traceName(input));
    lines << QStringLiteral("$upscope $end") << QStringLiteral("$enddefinitions $end");
    return lines.join(QLatin1Char('\n'));
}

QString VcdFormat::change(const LineHistory& history, const LineHistory::Change& change)
{
    using Kind = LineHistory::Kind;
    QStringList lines;
    const int input = change.trace < InputTraceCount ? change.trace : -1;
    if (change.kind == Kind::Opened)
        m_pulses = {};
    else if (input >= 0)
        m_pulses[std::size_t(input)] += change.pulses();

    if (!m_start) {
        m_start = change.ms;
        m_header = header(history.clockTime(change.ms));
        m_states = change.states;
        lines << newTime(change.ms) << dumpAll();
    } else if (change.kind == Kind::Line) {
        const bool moved = change.on(change.trace) != ((m_states >> change.trace) & 1U);
        const int pulsed = input >= 0 ? change.pulses() : 0;
        if (!moved && pulsed == 0)
            return {};
        lines << newTime(change.ms);
        if (moved)
            lines << wire(change.trace, change.on(change.trace));
        if (pulsed > 0)
            lines << pulses(input, m_pulses[std::size_t(input)]);
    } else {
        lines << newTime(change.ms);
        for (int trace = 0; trace < TraceCount; ++trace) {
            if (change.on(trace) != ((m_states >> trace) & 1U))
                lines << wire(trace, change.on(trace));
        }
        if (change.kind == Kind::Opened) {
            for (int line = 0; line < InputTraceCount; ++line)
                lines << pulses(line, 0);
        }
    }
    m_states = change.states;
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString VcdFormat::dumpAll() const
{
    QStringList lines{QStringLiteral("$dumpvars")};
    for (int trace = 0; trace < TraceCount; ++trace)
        lines << wire(trace, (m_states >> trace) & 1U);
    for (int input = 0; input < InputTraceCount; ++input)
        lines << pulses(input, m_pulses[std::size_t(input)]);
    lines << QStringLiteral("$end");
    return lines.join(QLatin1Char('\n'));
}

QString VcdFormat::newTime(std::int64_t ms)
{
    // Changes in the same millisecond share their time.
    if (m_written == ms)
        return {};
    m_written = ms;
    return timeOf(ms);
}

QString VcdFormat::timeOf(std::int64_t ms) const
{
    return QStringLiteral("#%1").arg(ms - *m_start);
}

const LogWriter::Framing& VcdFormat::framing() const
{
    return Framing;
}
