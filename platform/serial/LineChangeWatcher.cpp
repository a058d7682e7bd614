// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/LineChangeWatcher.h"

#include <QMetaObject>

// The parts that wait in the kernel are the system's: LineChangeWatcher_linux.cpp,
// or LineChangeWatcher_none.cpp where there is no such wait.

LineChangeWatcher::LineChangeWatcher()
{
    connect(&m_pace, &ChangePace::told, this, [this] {
        // Changes from now on are news again: the listener reads the lines after this.
        m_pending = false;
        emit changed();
    });
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
    m_pace.changed();
}
