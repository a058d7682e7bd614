// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/serial/ChangePace.h"

#include <algorithm>

ChangePace::ChangePace()
{
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &ChangePace::tell);
}

void ChangePace::changed()
{
    // A change that waits for its frame takes later ones with it.
    if (m_delay.isActive())
        return;
    const auto since = std::chrono::milliseconds(m_sinceTold.isValid() ? m_sinceTold.elapsed()
                                                                       : MinimumInterval.count());
    m_delay.start(std::max(MinimumInterval - since, std::chrono::milliseconds(0)));
}

void ChangePace::tell()
{
    m_sinceTold.start();
    emit told();
}
