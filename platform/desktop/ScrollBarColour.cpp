// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/ScrollBarColour.h"

#include <QGuiApplication>
#include <QPalette>

QColor scrollBarColour()
{
    // Desktops other than Windows name no scroll-bar colour of their own; the
    // button colour is what their scroll bars are drawn in.
    return QGuiApplication::palette().color(QPalette::Button);
}
