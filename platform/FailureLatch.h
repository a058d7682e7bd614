// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <utility>

// A failure that is told once, and not again until what failed has worked
// again: a store that cannot be written, a log that cannot be appended to.
class FailureLatch
{
public:
    // True the first time after a success (or ever): the failure is to be told.
    bool failed() { return !std::exchange(m_failing, true); }
    void succeeded() { m_failing = false; }

private:
    bool m_failing = false;
};
