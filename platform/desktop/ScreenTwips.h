// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Twips.h"

#include <QRect>

class QWidget;

// Twips as the screen a widget is on measures them.
namespace Twips {

// Twips per pixel of the screen the widget is on (the primary screen when it
// has none yet), from the screen's logical dots per inch.
double perPixelX(const QWidget* widget = nullptr);
double perPixelY(const QWidget* widget = nullptr);

// A rectangle laid out in twips, in the widget's pixels.
QRect toPixelRect(const QWidget* widget, int left, int top, int width, int height);

} // namespace Twips
