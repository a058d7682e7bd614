// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/ChangeLog.h"

#include "monitor/LineLog.h"

#include <QMetaObject>

ChangeLog::ChangeLog(const QString& fileName, std::unique_ptr<ChangeFormat> format,
                     const LineHistory& history)
    : m_fileName(fileName), m_history(history), m_format(std::move(format)),
      m_writer(
          fileName,
          [this](const QString& reason) {
              QMetaObject::invokeMethod(
                  this,
                  [this, reason] { emit failed(LineLog::failureMessage(m_fileName, reason)); },
                  Qt::QueuedConnection);
          },
          m_format->framing())
{
    connect(&history, &LineHistory::appended, this, &ChangeLog::append);
}

void ChangeLog::append(const LineHistory::Change& change)
{
    const QDateTime at = m_history.clockTime(change.ms);
    // The states before the change: a file the change is the first line of
    // starts with them.
    const QString opening = m_format->opening(at);
    const QString lines = m_format->change(m_history, change);
    if (!lines.isEmpty())
        m_writer.append(at, lines, opening);
}
