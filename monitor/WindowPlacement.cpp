// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/WindowPlacement.h"

#include <cmath>

namespace WindowPlacement {

namespace {
// In floating point, so that a position far beyond any screen cannot overflow.
bool overlaps(double x, double y, QSize size, const QRect& screen)
{
    return x < screen.x() + screen.width() && x + size.width() > screen.x() &&
           y < screen.y() + screen.height() && y + size.height() > screen.y();
}
} // namespace

QPoint onScreen(double x, double y, QSize size, const QList<QRect>& screens, const QRect& fallback)
{
    for (const QRect& screen : screens) {
        if (overlaps(x, y, size, screen))
            return {static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y))};
    }
    return fallback.topLeft();
}

} // namespace WindowPlacement
