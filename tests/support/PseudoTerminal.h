// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <fcntl.h>
#include <QByteArray>
#include <QString>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

// A pseudo-terminal whose slave side stands in for a serial device: it opens
// like one, but has no modem lines to report (unless the test preloads the
// modem-lines library). The master side stays open until unplug() or the
// object's end, so the slave can be opened meanwhile.
class PseudoTerminal
{
public:
    PseudoTerminal() : m_master(posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        if (const char* name = ptsname(m_master))
            m_slavePath = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal() { unplug(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Empty when no pseudo-terminal could be made.
    QString slavePath() const { return m_slavePath; }

    // No one holds the slave open with a lock, as a serial line does.
    bool slaveIsFree() const
    {
        const int other = ::open(m_slavePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        const bool free = other >= 0 && ::flock(other, LOCK_EX | LOCK_NB) == 0;
        if (other >= 0)
            ::close(other);
        return free;
    }

    // What the device sends; false when the slave does not take it all.
    bool send(const QByteArray& data)
    {
        return m_master >= 0 && ::write(m_master, data.constData(), data.size()) == data.size();
    }

    // Closing the master hangs the slave up, as pulling out an adapter does.
    void unplug()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    QString m_slavePath;
};
