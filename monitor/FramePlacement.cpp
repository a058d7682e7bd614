// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/FramePlacement.h"

void FramePlacement::placing(QPoint target, QPoint current)
{
    m_target = target;
    m_awaiting = target != current;
    m_askedAgain = false;
}

FramePlacement::Verdict FramePlacement::reported(QPoint at)
{
    if (!m_awaiting)
        return Verdict::UserMove;
    // Asked twice and put elsewhere twice: the window manager has the last
    // word, and the store keeps the position it had.
    if (at == m_target || m_askedAgain) {
        m_awaiting = false;
        return Verdict::Settled;
    }
    m_askedAgain = true;
    return Verdict::AskAgain;
}
