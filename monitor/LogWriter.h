// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LogFile.h"
#include "platform/FailureLatch.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <QDateTime>
#include <QString>
#include <thread>

// The log's lines on their way to its file: queued by the caller, who never
// waits for the file, and written whole by a thread of their own. Lines that
// find the queue full, or that cannot be written, are dropped and counted in
// a line of their own before the next line written: "<time> 17 lines dropped".
// A line may carry an opening: what a file begun at that line needs before it
// (a format's header and the states so far), written whenever the line is the
// first a file opened afresh gets, so that every file can be read on its own.
class LogWriter
{
public:
    // How lines and the count of those dropped are put in the file.
    struct Framing
    {
        // The bytes of a line with `text` at `at`.
        QByteArray (*line)(const QDateTime& at, const QString& text);
        // The text of the line that tells `count` lines dropped before `at`.
        QString (*dropped)(const QDateTime& at, int count);
        // Whether a file already there is replaced rather than appended to.
        bool replaces = false;
    };
    // "<time> <text>", the time local to the millisecond.
    static const Framing Stamped;
    // The text and a newline, for lines that carry their own time.
    static QByteArray unstamped(const QDateTime& at, const QString& text);

    // The lines that may wait for a reader that does not read.
    static constexpr std::size_t Capacity = 1024;
    // At the end, how long the lines still waiting may take to be written.
    static constexpr std::chrono::milliseconds ExitGrace{1000};

    // `failed` is called on the writer's thread with the system's reason,
    // once, and not again until a line has been written.
    LogWriter(const QString& fileName, std::function<void(const QString& reason)> failed,
              const Framing& framing = Stamped);
    // Returns once the lines waiting have been written, or ExitGrace has
    // passed while the file took none.
    ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    void append(const QDateTime& at, const QString& text, const QString& opening = {});

private:
    struct Line
    {
        QDateTime at;
        QString text;
        QString opening;
        // Lines dropped between the one before and this one.
        int droppedBefore = 0;
    };

    void run();
    // How many lines did not reach the file: none, or `line` with those
    // dropped before it.
    int write(Line line);
    bool givingUp() const;

    Framing m_framing;
    LogFile m_file;
    std::function<void(const QString&)> m_failed;

    // The writer thread's own.
    FailureLatch m_latch;
    // The rest of a line the file took only part of, written before the
    // next line so that each line stays whole.
    QByteArray m_unfinished;
    // The file open has had nothing yet, not even the opening.
    bool m_openingDue = true;

    std::mutex m_mutex;
    std::condition_variable m_queued;
    // The line being written stays at the front until it is done.
    std::deque<Line> m_queue;
    // Dropped since the last line queued; told before the next one.
    int m_dropped = 0;
    std::chrono::steady_clock::time_point m_deadline;
    std::atomic<bool> m_ending{false};

    std::thread m_thread;
};
