// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/ScrollBarColour.h"

#include <QGuiApplication>
#include <QPalette>

QColor scrollBarColour()
{
    // Desktops other than Windows name no scroll-bar colour of their own; on
    // a light theme the button colour is what their scroll bars are drawn in.
    // A dark theme's buttons stand out of its windows, where a scroll bar of
    // the light desktops blends in: there the window's own colour does.
    const QPalette palette = QGuiApplication::palette();
    const bool dark = palette.color(QPalette::Window).lightness() <
                      palette.color(QPalette::WindowText).lightness();
    return palette.color(dark ? QPalette::Window : QPalette::Button);
}
