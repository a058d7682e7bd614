// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/TimelineScale.h"

#include <algorithm>
#include <cmath>

TimelineScale::Range TimelineScale::shown(std::int64_t first, std::int64_t latest) const
{
    const std::int64_t end = m_following ? latest : std::clamp(m_end, first, latest);
    return {end - m_span, end};
}

void TimelineScale::zoom(double factor, std::int64_t at, std::int64_t first, std::int64_t latest)
{
    const Range before = shown(first, latest);
    // Out to the whole history, or to the default span while it is shorter.
    const std::int64_t all = std::max(latest - first, DefaultSpan);
    const auto span = std::clamp(std::int64_t(std::llround(double(m_span) * factor)), MinSpan, all);
    // The moment under the pointer keeps its place across the width.
    const double place = double(at - before.begin) / double(m_span);
    const auto end = std::int64_t(std::llround(double(at) + (1.0 - place) * double(span)));
    m_span = span;
    showEndingAt(end, first, latest);
}

void TimelineScale::pan(std::int64_t ms, std::int64_t first, std::int64_t latest)
{
    showEndingAt(shown(first, latest).end + ms, first, latest);
}

void TimelineScale::showEndingAt(std::int64_t end, std::int64_t first, std::int64_t latest)
{
    m_end = std::clamp(end, std::min(first + m_span, latest), latest);
    m_following = false;
}
