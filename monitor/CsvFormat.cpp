// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/CsvFormat.h"

#include "monitor/LogTime.h"

#include <QStringList>

namespace {

// Quoted when it holds a separator, a quote or a line break.
QString field(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString row(const QDateTime& at, const QString& line, const QString& state, const QString& edges)
{
    return QStringList{logTime(at), field(line), state, edges}.join(QLatin1Char(','));
}

QString state(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString dropped(const QDateTime& at, int count)
{
    return row(at, {}, QStringLiteral("dropped"), QString::number(count));
}

constexpr LogWriter::Framing Framing{LogWriter::unstamped, dropped, true};

} // namespace

QString CsvFormat::opening(const QDateTime&) const
{
    QStringList rows{QStringLiteral("time,line,state,edges")};
    if (m_open)
        rows << states(m_last, m_states);
    return rows.join(QLatin1Char('\n'));
}

QString CsvFormat::change(const LineHistory& history, const LineHistory::Change& change)
{
    const QDateTime at = history.clockTime(change.ms);
    m_last = at;
    m_states = change.states;
    m_open = change.kind != LineHistory::Kind::Closed;
    switch (change.kind) {
    case LineHistory::Kind::Line:
        return row(at, traceName(change.trace), state(change.on(change.trace)),
                   QString::number(change.count));
    case LineHistory::Kind::Closed:
        return row(at, m_port, QStringLiteral("closed"), {});
    case LineHistory::Kind::Opened:
        break;
    }
    m_port = history.portOf(change);
    return (QStringList{row(at, m_port, QStringLiteral("opened"), {})} << states(at, change.states))
        .join(QLatin1Char('\n'));
}

QStringList CsvFormat::states(const QDateTime& at, std::uint8_t states)
{
    QStringList rows;
    for (int trace = 0; trace < TraceCount; ++trace)
        rows << row(at, traceName(trace), state((states >> trace) & 1U), QStringLiteral("0"));
    return rows;
}

const LogWriter::Framing& CsvFormat::framing() const
{
    return Framing;
}
