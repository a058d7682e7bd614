// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringView>

// What the window system lets a program do with its top-level window.
struct WindowSystem
{
    // It reports where the window's frame is, so that a position read back
    // is where the window really stands.
    bool reportsPosition = true;
    // It keeps a window above the others when the program asks.
    bool keepsAbove = true;
};

// Native Wayland (Qt's "wayland", "wayland-egl" ...) does neither: the
// compositor places windows, tells no one where, and keeps a window above
// others only by the user's own window command. Qt's pos() there is the
// last position asked for.
WindowSystem windowSystemOf(QStringView platformName);
