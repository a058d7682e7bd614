// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>

class QWidget;

namespace WindowZOrder {

enum class Band
{
    Topmost,
    NotTopmost
};

// Puts a top-level window into the window manager's always-above band, or
// takes it out and raises it above the other ordinary windows. The window
// keeps `frame`, its outer rectangle in pixels; a hidden window is shown. The
// window is never activated, re-created or hidden on the way.
void setWindowPos(QWidget& window, Band band, const QRect& frame);

} // namespace WindowZOrder
