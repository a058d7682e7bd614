// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <memory>
#include <QByteArray>
#include <QString>

// The file the log's lines go to, as the system has it, used from the log's
// writer thread only. It is opened at the first write and again at a write
// after its opening failed, or after the reader of a pipe went away.
// Nothing waits in the system: a FIFO without a reader fails to open, and a
// write that finds a pipe full waits for room in slices, asking between them
// whether to give up.
class LogFile
{
public:
    // "-" names standard output. Also sees to it that a pipe whose reader
    // has gone fails the write rather than ending the program. A file that
    // `replaces` empties what the name held at its first opening.
    explicit LogFile(const QString& fileName, bool replaces = false);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    // True when the file open is no longer the one the name names, as after
    // the log was renamed or deleted by log rotation: it is then closed, and
    // the next write opens the name afresh.
    bool letGoIfReplaced();
    // False before the first write and after the file was let go, or its
    // opening failed: the next write opens it afresh.
    bool isOpen() const { return m_open != nullptr; }

    struct Outcome
    {
        qsizetype written = 0;
        // The system's reason when not all was written; empty when all
        // was, or when `giveUp` ended the wait for room.
        QString failure;
    };
    // Writes `bytes` whole unless the system refuses; while the reader reads
    // nothing, `giveUp` is asked at each slice of the wait.
    Outcome write(const QByteArray& bytes, const std::function<bool()>& giveUp);

private:
    struct Open; // the system's handle on the file, while it is open
    QString m_fileName;
    bool m_replaces = false;
    std::unique_ptr<Open> m_open;
};
