// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/LineChangeWatcher.h"

#include <QMetaObject>

// The parts that wait in the kernel are the system's: LineChangeWatcher_linux.cpp,
// or LineChangeWatcher_none.cpp where there is no such wait.

LineChangeWatcher::LineChangeWatcher()
{
    m_pace.setSingleShot(true);
    connect(&m_pace, &QTimer::timeout, this, &LineChangeWatcher::tell);
}

LineChangeWatcher::~LineChangeWatcher()
{
    stop();
}

void LineChangeWatcher::post()
{
    if (!m_pending.exchange(true))
        QMetaObject::invokeMethod(this, &LineChangeWatcher::arrived, Qt::QueuedConnection);
}

void LineChangeWatcher::arrived()
{
    const auto since = std::chrono::milliseconds(m_sinceTold.isValid() ? m_sinceTold.elapsed()
                                                                       : MinimumInterval.count());
    if (since < MinimumInterval)
        m_pace.start(MinimumInterval - since);
    else
        tell();
}

void LineChangeWatcher::tell()
{
    // Changes from now on are news again: the listener reads the lines after this.
    m_pending = false;
    m_sinceTold.start();
    emit changed();
}
