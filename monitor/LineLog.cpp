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

void LineLog::portOpened(const QString& port, const std::array<bool, InputLines.size()>& inputs,
                         const OutputLevels& outputs)
{
    QStringList lines;
    for (const InputLineNames& input : InputLines)
        lines << input.shortName << state(inputs[std::size_t(rowOf(input.line))]);
    for (const OutputLineNames& output : OutputLines)
        lines << output.shortName << state(outputs.of(output.line));
    append(QStringLiteral("%1 opened: %2").arg(port, lines.join(QLatin1Char(' '))));
}

void LineLog::lineChanged(const QString& line, bool on, int edges)
{
    append(QStringLiteral("%1 %2 %3").arg(line, state(on)).arg(edges));
}

void LineLog::outputChanged(OutputLine line, bool on)
{
    append(QStringLiteral("%1 %2").arg(shortNameOf(line), state(on)));
}

void LineLog::append(const QString& text)
{
    m_writer.append(QDateTime::currentDateTime(), text);
}

void LineLog::tellFailure(const QString& reason)
{
    emit failed(failureMessage(m_fileName, reason));
}

QString LineLog::failureMessage(const QString& fileName, const QString& reason)
{
    return tr("The log could not be written to %1: %2")
        .arg(fileName == QLatin1String("-") ? tr("standard output") : fileName, reason);
}
