// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/FailureLatch.h"

#include <QFile>
#include <QObject>
#include <QString>

// A record of the lines for the user to keep: one line of text per event,
// stamped with the local time to the millisecond, appended to a file or
// written to standard output.
class LineLog : public QObject
{
    Q_OBJECT

public:
    // "-" names standard output. Nothing is opened before the first line.
    explicit LineLog(const QString& fileName);

    // "<time> Com1 /dev/ttyUSB0 opened: CD on DSR off CTS off"
    void portOpened(const QString& port, bool cd, bool dsr, bool cts);
    // "<time> CTS on 1": the line's short name, its state and the edges
    // counted since its previous log line.
    void lineChanged(const QString& line, bool on, int edges);

signals:
    // A line did not reach the log; `message` is for the user. Told once,
    // and not again until a line has reached it.
    void failed(const QString& message);

private:
    void append(const QString& text);
    bool openFile();

    QString m_fileName;
    QFile m_file;
    FailureLatch m_latch;
};
