// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/HistoryExport.h"

#include "monitor/ChangeFormat.h"

#include <QCoreApplication>
#include <QSaveFile>

QString exportHistory(const LineHistory& history, const QString& fileName)
{
    const auto format = changeFormatFor(fileName);
    if (!format)
        return QCoreApplication::translate("TimelineWindow",
                                           "The name ends in neither .vcd nor .csv.");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const LogWriter::Framing& framing = format->framing();
    const QDateTime begins = history.changes().empty()
                                 ? QDateTime::currentDateTime()
                                 : history.clockTime(history.changes().front().ms);
    file.write(framing.line(begins, format->opening(begins)));
    for (const LineHistory::Change& change : history.changes()) {
        const QString lines = format->change(history, change);
        if (!lines.isEmpty())
            file.write(framing.line(history.clockTime(change.ms), lines));
    }
    return file.commit() ? QString() : file.errorString();
}
