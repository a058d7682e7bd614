// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LogWriter.h"
#include "platform/serial/InputLine.h"
#include "platform/serial/OutputLine.h"

#include <QObject>
#include <QString>

// A record of the lines for the user to keep: one line of text per event,
// stamped with the local time to the millisecond, appended to a file or
// written to standard output. The calls never wait for the file: the lines
// are written on a thread of their own (LogWriter), and those not yet
// written when the log is destroyed are given a moment more.
class LineLog : public QObject
{
    Q_OBJECT

public:
    // "-" names standard output. Nothing is opened before the first line.
    explicit LineLog(const QString& fileName);

    // "<time> Com1 /dev/ttyUSB0 opened: CD on DSR off CTS off RI off DTR on
    // RTS on": the inputs in the order of InputLines, then the outputs.
    void portOpened(const QString& port, const std::array<bool, InputLines.size()>& inputs,
                    const OutputLevels& outputs);
    // "<time> CTS on 1": the line's short name, its state and the edges
    // counted since its previous log line.
    void lineChanged(const QString& line, bool on, int edges);
    // "<time> DTR off": an output the program switched.
    void outputChanged(OutputLine line, bool on);

    // What failed() tells of `reason` for the log `fileName`.
    static QString failureMessage(const QString& fileName, const QString& reason);

signals:
    // A line did not reach the log; `message` is for the user, with the
    // system's reason. Told once, and not again until a line has reached it.
    void failed(const QString& message);

private:
    void append(const QString& text);
    void tellFailure(const QString& reason);

    QString m_fileName;
    LogWriter m_writer;
};
