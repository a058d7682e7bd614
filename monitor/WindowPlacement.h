// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace WindowPlacement {

// Where a window whose frame of `size` is to go to (x, y) pixels ends up: at
// (x, y) when any part of it lies on one of `screens`, even partly off an
// edge; otherwise (a monitor that has been unplugged, a position far out of
// range) at the top-left of `fallback`.
QPoint onScreen(double x, double y, QSize size, const QList<QRect>& screens, const QRect& fallback);

} // namespace WindowPlacement
