// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/LineChangeWatcher.h"

// No wait in the kernel for a change of the lines: the ticks read them.

bool LineChangeWatcher::start(int)
{
    return false;
}

void LineChangeWatcher::stop()
{
    m_pace.stop();
}

void LineChangeWatcher::watch(int) {}
