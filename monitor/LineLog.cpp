// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LineLog.h"

#include <QDateTime>
#include <QMetaObject>

namespace {

QString state(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

} // namespace

LineLog::LineLog(const QString& fileName)
    : m_fileName(fileName), m_writer(fileName, [this](const QString& reason) {
          QMetaObject::invokeMethod(
              this, [this, reason] { tellFailure(reason); }, Qt::QueuedConnection);
      })
{}

void LineLog::portOpened(const QString& port, bool cd, bool dsr, bool cts)
{
    append(QStringLiteral("%1 opened: CD %2 DSR %3 CTS %4")
               .arg(port, state(cd), state(dsr), state(cts)));
}

void LineLog::lineChanged(const QString& line, bool on, int edges)
{
    append(QStringLiteral("%1 %2 %3").arg(line, state(on)).arg(edges));
}

void LineLog::append(const QString& text)
{
    m_writer.append(QDateTime::currentDateTime(), text);
}

void LineLog::tellFailure(const QString& reason)
{
    emit failed(
        tr("The log could not be written to %1: %2")
            .arg(m_fileName == QLatin1String("-") ? tr("standard output") : m_fileName, reason));
}
