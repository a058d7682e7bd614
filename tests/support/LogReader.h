// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <fcntl.h>
#include <poll.h>
#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <unistd.h>

// What a test reads of a log as it is written, from a file or from a FIFO's
// reading end, opened without waiting for a writer and read without waiting
// for more.
class LogReader
{
public:
    explicit LogReader(const QString& path) : m_path(path) {}
    ~LogReader() { close(); }
    LogReader(const LogReader&) = delete;
    LogReader& operator=(const LogReader&) = delete;

    // Opens the file, or the FIFO's reading end, unless it is open already.
    bool open()
    {
        if (m_fd < 0)
            m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        return m_fd >= 0;
    }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    // The lines read so far without their time stamps, which must be local
    // ISO 8601 to the millisecond: a line without one is marked "?", and a
    // last line without its newline "unfinished: ".
    QStringList lines()
    {
        readAvailable();
        static const QRegularExpression stamp(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} "));
        QList<QByteArray> parts = m_received.split('\n');
        const QByteArray unfinished = parts.takeLast();
        QStringList lines;
        for (const QByteArray& line : parts) {
            const QString text = QString::fromUtf8(line);
            lines.append(stamp.match(text).hasMatch() ? text.mid(24) : QStringLiteral("?") + text);
        }
        if (!unfinished.isEmpty())
            lines.append(QStringLiteral("unfinished: ") + QString::fromUtf8(unfinished));
        return lines;
    }

    // All read so far, as it came.
    QByteArray received()
    {
        readAvailable();
        return m_received;
    }

    // A FIFO: every writer has let go of it, and all it held has been read.
    bool atEnd() { return readAvailable(); }

    // A FIFO with no room for another line: its writer waits for the reader.
    bool full() const
    {
        // Asked as the writer asks, through a write end of its own.
        const int writer =
            ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        pollfd room{writer, POLLOUT, 0};
        const bool waits = writer >= 0 && ::poll(&room, 1, 0) == 0;
        if (writer >= 0)
            ::close(writer);
        return waits;
    }

private:
    // True at the end of the file, or of a FIFO no one writes to.
    bool readAvailable()
    {
        if (!open())
            return false;
        char buffer[65536];
        for (;;) {
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count <= 0)
                return count == 0;
            m_received.append(buffer, count);
        }
    }

    QString m_path;
    int m_fd = -1;
    QByteArray m_received;
};
