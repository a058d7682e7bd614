// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/ChangeFormat.h"
#include "monitor/LogWriter.h"

#include <memory>
#include <QObject>

// The history's changes as they come, in a file format of their own (VCD,
// CSV), written as the text log's lines are: never waiting for the file,
// bounded, with the lines dropped counted. The file is replaced at its first
// line; nothing is opened before it. Each file begun, at the start, after log
// rotation or once a file that could not be written can be, starts with the
// format's header and the states so far.
class ChangeLog : public QObject
{
    Q_OBJECT

public:
    ChangeLog(const QString& fileName, std::unique_ptr<ChangeFormat> format,
              const LineHistory& history);

signals:
    // As LineLog's.
    void failed(const QString& message);

private:
    void append(const LineHistory::Change& change);

    QString m_fileName;
    const LineHistory& m_history;
    std::unique_ptr<ChangeFormat> m_format;
    LogWriter m_writer;
};
