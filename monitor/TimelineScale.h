// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

// Which stretch of the history the timeline shows, in the history's
// milliseconds: by default the latest ten seconds, following the clock;
// zoomed about a moment, from MinSpan to the whole history, and panned.
class TimelineScale
{
public:
    static constexpr std::int64_t DefaultSpan = 10'000;
    static constexpr std::int64_t MinSpan = 10;

    struct Range
    {
        std::int64_t begin = 0;
        std::int64_t end = 0;
        bool operator==(const Range&) const = default;
    };

    // The stretch shown, when the history runs from `first` to `latest`.
    Range shown(std::int64_t first, std::int64_t latest) const;
    bool following() const { return m_following; }

    // Shows `factor` times the span, `at` staying where it is on the screen.
    void zoom(double factor, std::int64_t at, std::int64_t first, std::int64_t latest);
    // Moves the stretch by `ms`, later when positive; it stays in the history.
    void pan(std::int64_t ms, std::int64_t first, std::int64_t latest);
    // Shows the stretch ending at `end`, as a scroll bar does.
    void showEndingAt(std::int64_t end, std::int64_t first, std::int64_t latest);
    // Back to following the latest changes, at the span shown.
    void follow() { m_following = true; }

private:
    std::int64_t m_span = DefaultSpan;
    std::int64_t m_end = 0; // while not following
    bool m_following = true;
};
