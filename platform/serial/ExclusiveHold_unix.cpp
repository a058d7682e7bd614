// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/ExclusiveHold.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace ExclusiveHold {

Probe::Probe(const QString& devicePath)
{
    m_fd = ::open(devicePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        // Without root, a TIOCEXCL hold refuses the open itself.
        m_refusal = error == EBUSY ? heldElsewhere() : QString::fromLocal8Bit(std::strerror(error));
        if (error == EACCES)
            m_refusal += QCoreApplication::translate(
                "ExclusiveHold", ". Serial ports belong to the \"dialout\" group: join it "
                                 "(sudo adduser $USER dialout), then log in again.");
        return;
    }
#if defined(TIOCGEXCL)
    int exclusive = 0;
    if (::ioctl(m_fd, TIOCGEXCL, &exclusive) == 0 && exclusive)
        m_refusal = heldElsewhere();
#endif
}

Probe::~Probe()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool lock(int fd)
{
    // Only another's lock refuses; a device that cannot be locked at all is
    // used unlocked, as it was before.
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

} // namespace ExclusiveHold
