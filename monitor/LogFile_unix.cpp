// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/LogFile.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long a write waits for room in a pipe before asking whether to give up.
constexpr int WaitSliceMs = 100;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

struct LogFile::Open
{
    int descriptor = -1;
    // Standard output is shared with whoever started the program: it is
    // neither closed nor made non-blocking here.
    bool owned = true;

    ~Open()
    {
        if (owned)
            ::close(descriptor);
    }
};

LogFile::LogFile(const QString& fileName, bool replaces)
    : m_fileName(fileName), m_replaces(replaces)
{
    // The reader of a pipe may go at any time (`quorlin --log - | head -n 1`).
    ::signal(SIGPIPE, SIG_IGN);
}

LogFile::~LogFile() = default;

bool LogFile::letGoIfReplaced()
{
    if (!m_open || !m_open->owned)
        return false;
    struct stat named
    {};
    struct stat open
    {};
    if (::stat(QFile::encodeName(m_fileName).constData(), &named) == 0 &&
        ::fstat(m_open->descriptor, &open) == 0 && named.st_dev == open.st_dev &&
        named.st_ino == open.st_ino)
        return false;
    m_open.reset();
    return true;
}

LogFile::Outcome LogFile::write(const QByteArray& bytes, const std::function<bool()>& giveUp)
{
    Outcome outcome;
    if (!m_open && m_fileName == QLatin1String("-")) {
        m_open.reset(new Open{STDOUT_FILENO, false});
    } else if (!m_open) {
        // Without O_NONBLOCK, opening a FIFO that has no reader waits for one.
        const int descriptor = ::open(QFile::encodeName(m_fileName).constData(),
                                      O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY |
                                          O_CLOEXEC | (m_replaces ? O_TRUNC : 0),
                                      0666);
        if (descriptor < 0) {
            outcome.failure = systemReason(errno);
            return outcome;
        }
        // What it wrote before is the file's from now on.
        m_replaces = false;
        m_open.reset(new Open{descriptor});
    }
    while (outcome.written < bytes.size()) {
        pollfd room{m_open->descriptor, POLLOUT, 0};
        const int ready = ::poll(&room, 1, WaitSliceMs);
        if (ready < 0 && errno != EINTR) {
            outcome.failure = systemReason(errno);
            return outcome;
        }
        if (ready <= 0) {
            if (giveUp())
                return outcome;
            continue;
        }
        // POLLOUT on a pipe promises room for a line (up to PIPE_BUF bytes),
        // so even standard output, which stays blocking, does not wait here.
        const ssize_t count = ::write(m_open->descriptor, bytes.constData() + outcome.written,
                                      bytes.size() - outcome.written);
        if (count > 0) {
            outcome.written += count;
        } else if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
            outcome.failure = systemReason(count == 0 ? EIO : errno);
            // A pipe whose reader has gone is opened again for the next one,
            // who reads from its own start.
            if (count < 0 && errno == EPIPE)
                m_open.reset();
            return outcome;
        } else if (giveUp()) {
            return outcome;
        }
    }
    return outcome;
}
