// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LogWriter.h"

#include "monitor/LogTime.h"

#include <utility>

namespace {

QByteArray stamped(const QDateTime& at, const QString& text)
{
    return (logTime(at) + QLatin1Char(' ') + text + QLatin1Char('\n')).toUtf8();
}

QString dropped(const QDateTime&, int count)
{
    return count == 1 ? QStringLiteral("1 line dropped")
                      : QStringLiteral("%1 lines dropped").arg(count);
}

} // namespace

const LogWriter::Framing LogWriter::Stamped{stamped, dropped};

QByteArray LogWriter::unstamped(const QDateTime&, const QString& text)
{
    return (text + QLatin1Char('\n')).toUtf8();
}

LogWriter::LogWriter(const QString& fileName, std::function<void(const QString& reason)> failed,
                     const Framing& framing)
    : m_framing(framing), m_file(fileName, framing.replaces), m_failed(std::move(failed)),
      m_thread([this] { run(); })
{}

LogWriter::~LogWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_deadline = std::chrono::steady_clock::now() + ExitGrace;
        m_ending = true;
    }
    m_queued.notify_one();
    m_thread.join();
}

void LogWriter::append(const QDateTime& at, const QString& text, const QString& opening)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_queue.size() >= Capacity) {
            ++m_dropped;
            return;
        }
        m_queue.push_back({at, text, opening, std::exchange(m_dropped, 0)});
    }
    m_queued.notify_one();
}

void LogWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_queued.wait(lock, [this] { return !m_queue.empty() || m_ending; });
        if (m_queue.empty() || givingUp())
            return;
        const Line line = m_queue.front();
        lock.unlock();
        const int lost = write(line);
        lock.lock();
        m_queue.pop_front();
        (m_queue.empty() ? m_dropped : m_queue.front().droppedBefore) += lost;
    }
}

int LogWriter::write(Line line)
{
    if (m_file.letGoIfReplaced() && !m_unfinished.isEmpty()) {
        // The line cut short stays cut short in the file let go.
        m_unfinished.clear();
        ++line.droppedBefore;
    }
    // A file opened afresh starts with the opening; nothing is left over
    // then of the file before it.
    m_openingDue = m_openingDue || !m_file.isOpen();
    const QByteArray bytes =
        m_unfinished +
        (m_openingDue && !line.opening.isEmpty() ? m_framing.line(line.at, line.opening)
                                                 : QByteArray()) +
        (line.droppedBefore > 0
             ? m_framing.line(line.at, m_framing.dropped(line.at, line.droppedBefore))
             : QByteArray()) +
        m_framing.line(line.at, line.text);
    const LogFile::Outcome outcome = m_file.write(bytes, [this] { return givingUp(); });
    const bool begun = outcome.written > m_unfinished.size();
    m_openingDue = m_openingDue && !begun;
    if (outcome.written == bytes.size()) {
        m_unfinished.clear();
        m_latch.succeeded();
        return 0;
    }
    if (!outcome.failure.isEmpty() && m_latch.failed())
        m_failed(outcome.failure);
    if (!m_file.isOpen()) {
        // Let go after the failure: what the file did not take is lost with
        // it, this line and the one cut short before it, if any.
        const int lost = 1 + line.droppedBefore + (begun || m_unfinished.isEmpty() ? 0 : 1);
        m_unfinished.clear();
        return lost;
    }
    m_unfinished = begun ? bytes.mid(outcome.written) : m_unfinished.mid(outcome.written);
    return begun ? 0 : 1 + line.droppedBefore;
}

bool LogWriter::givingUp() const
{
    return m_ending && std::chrono::steady_clock::now() >= m_deadline;
}
