// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineLog.h"

#include <cstdio>
#include <QDateTime>

namespace {

QString state(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

} // namespace

LineLog::LineLog(const QString& fileName) : m_fileName(fileName) {}

void LineLog::portOpened(const QString& port, bool cd, bool dsr, bool cts)
{
    append(QStringLiteral("%1 opened: CD %2 DSR %3 CTS %4")
               .arg(port, state(cd), state(dsr), state(cts)));
}

void LineLog::lineChanged(const QString& line, bool on, int edges)
{
    append(QStringLiteral("%1 %2 %3").arg(line, state(on)).arg(edges));
}

bool LineLog::openFile()
{
    if (m_file.isOpen())
        return true;
    if (m_fileName == QLatin1String("-"))
        return m_file.open(stdout, QIODevice::WriteOnly | QIODevice::Text);
    m_file.setFileName(m_fileName);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void LineLog::append(const QString& text)
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"));
    // Each line reaches the file at once, so the log is whole up to the last
    // event however the program ends.
    const QByteArray line = (stamp + QLatin1Char(' ') + text + QLatin1Char('\n')).toUtf8();
    if (openFile() && m_file.write(line) == line.size() && m_file.flush()) {
        m_latch.succeeded();
        return;
    }
    const QString reason = m_file.errorString();
    // Opened afresh for the next line: the folder may be back by then.
    m_file.close();
    if (m_latch.failed())
        emit failed(QStringLiteral("The log could not be written to %1: %2")
                        .arg(m_fileName == QLatin1String("-") ? QStringLiteral("standard output")
                                                              : m_fileName,
                             reason));
}
